#include "ctl/demo_keyboard.h"

#include "platform/instance_guard.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<VirtualKeyboardState>);

DemoKeyboard::DemoKeyboard(QString file) : stateFile(std::move(file)) {
    QFile saved(stateFile);
    if (!saved.open(QIODevice::ReadOnly))
        return;
    // A file of another size is from another build, or damaged: the keyboard starts afresh.
    const QByteArray bytes = saved.readAll();
    if (bytes.size() != qsizetype(sizeof(VirtualKeyboardState)))
        return;
    VirtualKeyboardState state;
    std::memcpy(&state, bytes.constData(), sizeof state);
    z9->setState(state);
}

DemoKeyboard::~DemoKeyboard() {
    const VirtualKeyboardState state = z9->state();
    QSaveFile saved(stateFile);
    if (!saved.open(QIODevice::WriteOnly))
        return;
    saved.write(reinterpret_cast<const char*>(&state), sizeof state);
    saved.commit();
}

QString DemoKeyboard::defaultStateFile() {
    return InstanceGuard::privateDirectory() + QStringLiteral("/korvanectl-demo-keyboard.state");
}
