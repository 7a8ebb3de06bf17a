#include "controller/myqquickview.h"

#include "controller/device_access_notice.h"
#include "controller/service_silence_notice.h"
#include "macros/key_name_table.h"
#include "scene/cap_edge_image_provider.h"
#include "scene/local_file_url_opener.h"
#include "scene/scene_types.h"
#include "scene/window_shaped_image_provider.h"
#include "sound/sound_thread.h"

#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "settings/store_failure_notice.h"
#include "settings/system_settings_dialogs.h"

#include <QQmlEngine>
#include <QQuickItem>

myQQuickView::myQQuickView(QWidget* parent) : QQuickWidget(parent) {
    // The window is translucent; the scene's own pixels shape it.
    setClearColor(Qt::transparent);
    keepSceneTypes();
    WindowShapedImageProvider::install(engine());
    CapEdgeImageProvider::install(engine());
    isAudioEnabled = true;
    profileSettings.clear();
    currentProfile = 0;

    fillKeyNameMap();

    sound = new SoundThread(this);

    apConfigSettings = new SettingsFile(SettingsPaths::apConfigFile());
    for (int profile = 0; profile < profileCount; ++profile)
        profileSettings.append(new SettingsFile(SettingsPaths::profileFile(profile)));
    settingsDialogs = std::make_unique<SystemSettingsDialogs>();
    storeFailureNotice =
        std::make_unique<StoreFailureNotice>([this](const QString& title, const QString& text) {
            settingsDialogs->warning(title, text);
        });
    deviceAccessNotice =
        std::make_unique<DeviceAccessNotice>([this](const QString& title, const QString& text) {
            settingsDialogs->warning(title, text);
        });
    serviceSilenceNotice =
        std::make_unique<ServiceSilenceNotice>([this](const QString& title, const QString& text) {
            settingsDialogs->inform(title, text);
        });
    new LocalFileUrlOpener(this);
}

myQQuickView::~myQQuickView() {
    // Deleting a settings object writes what is still pending to its file; a failure then is
    // past telling, the window being gone.
    storeFailureNotice.reset();
    qDeleteAll(profileSettings);
    delete apConfigSettings;
}

// A minimised window hides its children as well.
void myQQuickView::showEvent(QShowEvent* event) {
    QQuickWidget::showEvent(event);
    setShown(true);
}

void myQQuickView::hideEvent(QHideEvent* event) {
    QQuickWidget::hideEvent(event);
    setShown(false);
}

void myQQuickView::setShown(bool isShown) {
    if (shown == isShown)
        return;
    shown = isShown;
    emit isShownChanged();
}

void myQQuickView::invokeOnRoot(const char* function, const QVariantList& arguments) {
    QObject* root = rootObject();
    if (!root)
        return;
    switch (arguments.size()) {
    case 0:
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
        break;
    case 2:
        QMetaObject::invokeMethod(root, function, Qt::QueuedConnection,
                                  Q_ARG(QVariant, arguments[0]), Q_ARG(QVariant, arguments[1]));
        break;
    default:
        qWarning("invokeOnRoot: unsupported argument count");
    }
}

void myQQuickView::initUI() {
    invokeOnRoot("initUI");
}

void myQQuickView::runUI() {
    invokeOnRoot("run");
    deviceAccessNotice->sceneRunning();
}

void myQQuickView::detectKeyboard(bool isDown, uchar usbCode) {
    invokeOnRoot("detectKeyboard", {QVariant(isDown), QVariant(int(usbCode))});
}
