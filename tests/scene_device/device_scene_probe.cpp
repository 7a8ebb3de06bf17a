#include "device_scene_probe.h"

#include "controller/myqquickview.h"
#include "platform/udev_rule_command.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"

#include <QDir>
#include <QFile>
#include <QJSValue>
#include <QMutex>

namespace {

QMutex warningLock;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void keepSceneWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        message.contains(QLatin1String("qrc:/modules/qml"))) {
        QMutexLocker locker(&warningLock);
        warnings.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

template <typename Bytes> QVariantList listOf(const Bytes& bytes) {
    QVariantList list;
    for (const auto byte : bytes)
        list.append(int(uchar(byte)));
    return list;
}

constexpr int commandByte = 1;

} // namespace

DeviceSceneProbe::DeviceSceneProbe(myQQuickView* view, Hid_Thread* hid,
                                   std::shared_ptr<VirtualKeyboard> keyboard, QObject* parent)
    : QObject(parent), view(view), hid(hid), keyboard(std::move(keyboard)) {
    previousHandler = qInstallMessageHandler(keepSceneWarnings);
    UdevRuleCommand::setRulesDirectories({udevRules.path()});
}

DeviceSceneProbe::~DeviceSceneProbe() {
    qInstallMessageHandler(previousHandler);
}

void DeviceSceneProbe::reset() {
    waitIdle();
    for (SettingsFile* profile : view->profileSettings) {
        for (const QString& key : profile->allKeys())
            profile->remove(key);
        profile->sync();
    }
    view->currentProfile = 0;
    QDir macros(QStringLiteral("modules/macro"));
    for (const QString& name : macros.entryList(QDir::Files))
        macros.remove(name);
    QFile::remove(SettingsPaths::focusRulesFile());
    setSession(false, false);
    keyboard->setState({});
    keyboard->clearRecord();
    QMutexLocker locker(&warningLock);
    warnings.clear();
}

bool DeviceSceneProbe::waitIdle() {
    return hid->waitUntilIdle(5000);
}

void DeviceSceneProbe::clearRecord() {
    waitIdle();
    keyboard->clearRecord();
}

QList<WireReport> DeviceSceneProbe::recordAfterTransfers() {
    waitIdle();
    return keyboard->record();
}

QVariantList DeviceSceneProbe::frames(int code) {
    QVariantList result;
    for (const WireReport& report : recordAfterTransfers()) {
        if (report.kind == WireReport::Kind::FeatureOut && uchar(report.bytes[commandByte]) == code)
            result.append(QVariant(listOf(report.bytes)));
    }
    return result;
}

QVariantList DeviceSceneProbe::payload(int code) {
    // A later frame of another command ends the payload but keeps it.
    QByteArray bytes;
    bool isCollecting = false;
    for (const WireReport& report : recordAfterTransfers()) {
        if (report.kind == WireReport::Kind::FeatureOut) {
            isCollecting = uchar(report.bytes[commandByte]) == code;
            if (isCollecting)
                bytes.clear();
        } else if (report.kind == WireReport::Kind::Output && isCollecting) {
            bytes += report.bytes.mid(1);
        }
    }
    return listOf(bytes);
}

QVariantList DeviceSceneProbe::macroSlot(int slot) {
    waitIdle();
    return listOf(keyboard->state().macros.at(size_t(slot)));
}

QVariantList DeviceSceneProbe::keyMatrix() {
    waitIdle();
    return listOf(keyboard->state().profile().keyMatrix);
}

QVariantList DeviceSceneProbe::frameCodes() {
    QVariantList codes;
    for (const WireReport& report : recordAfterTransfers()) {
        if (report.kind == WireReport::Kind::FeatureOut)
            codes.append(int(uchar(report.bytes[commandByte])));
    }
    return codes;
}

QVariantList DeviceSceneProbe::storedKey(int profile, int matrix) {
    return storedValue(profile, QStringLiteral("keydefine/%1").arg(matrix)).toList();
}

QVariant DeviceSceneProbe::storedValue(int profile, const QString& key) {
    view->profileSettings[profile]->sync();
    const SettingsFile file(SettingsPaths::profileFile(profile));
    return file.value(key);
}

void DeviceSceneProbe::setProfileValue(int profile, const QString& key, const QVariant& value) {
    // Lists come from the scene as script values.
    const QVariant plain = value.metaType() == QMetaType::fromType<QJSValue>()
                               ? value.value<QJSValue>().toVariant()
                               : value;
    if (plain.isValid())
        view->profileSettings[profile]->setValue(key, plain);
    else
        view->profileSettings[profile]->remove(key);
}

bool DeviceSceneProbe::removeMacroFile(const QString& name) {
    return QFile::remove(QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"));
}

QStringList DeviceSceneProbe::sceneWarnings() const {
    QMutexLocker locker(&warningLock);
    return warnings;
}

QString DeviceSceneProbe::rulesFile() const {
    QFile file(SettingsPaths::focusRulesFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool DeviceSceneProbe::writeRulesFile(const QString& text) {
    QFile file(SettingsPaths::focusRulesFile());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

void DeviceSceneProbe::setSession(bool isWayland, bool isOptInActive) {
    qunsetenv("XDG_SESSION_TYPE");
    if (isWayland)
        qputenv("WAYLAND_DISPLAY", "wayland-scene-test");
    else
        qunsetenv("WAYLAND_DISPLAY");
    QFile rule(udevRules.filePath(UdevRuleCommand::optInRuleName));
    if (isOptInActive && rule.open(QIODevice::WriteOnly))
        rule.write("SUBSYSTEM==\"input\", TAG+=\"uaccess\"\n");
    else
        rule.remove();
}
