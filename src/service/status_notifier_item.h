#pragma once

#include "service/status_notifier_types.h"
#include "service/tray_texts.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>

#include <functional>

class KeyboardService;

// org.kde.StatusNotifierItem on /StatusNotifierItem: the tray icon that KDE's panel and GNOME's
// AppIndicator extension show. Its menu is the dbusmenu object at `menuPath`; a click on the icon
// itself opens the window.
class StatusNotifierItem : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(StatusNotifierPixmaps IconPixmap READ noPixmaps)
    Q_PROPERTY(QString OverlayIconName READ noName)
    Q_PROPERTY(StatusNotifierPixmaps OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ noName)
    Q_PROPERTY(StatusNotifierPixmaps AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ noName)
    Q_PROPERTY(StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    StatusNotifierItem(KeyboardService& service, TrayTexts texts, QString menuPath,
                       std::function<void()> openWindow, QObject* object);

    QString category() const { return QStringLiteral("Hardware"); }
    QString id() const { return QStringLiteral("korvane-service"); }
    QString title() const { return texts.title; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return QStringLiteral("korvane"); }
    StatusNotifierPixmaps noPixmaps() const { return {}; }
    QString noName() const { return QString(); }
    StatusNotifierToolTip toolTip() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(menuPath); }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    KeyboardService& service;
    TrayTexts texts;
    QString menuPath;
    std::function<void()> openWindow;
};
