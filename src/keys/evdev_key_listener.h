#pragma once

#include "keys/key_listener.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

// The key events of one keyboard model, read from its own input event nodes, which the kernel
// copies to every reader: the nodes are never grabbed, so the keys still reach the session.
// Nodes are found by the keyboard's vendor and product id; a keyboard plugged in later is
// opened when udev announces it, and a node that goes away is closed.
class EvdevKeyListener : public KeyListener {
    Q_OBJECT

public:
    // Vendor and product ids of the keyboards to listen to.
    using DeviceIds = QList<QPair<quint16, quint16>>;

    explicit EvdevKeyListener(DeviceIds ids, QObject* parent = nullptr);
    ~EvdevKeyListener() override;

    // False when udev cannot be watched or a node of an attached keyboard cannot be opened.
    bool start() override;
    // The device nodes open now.
    QStringList openNodes() const { return nodes.keys(); }

private:
    bool isWanted(udev_device* device) const;
    bool openNode(const QString& devnode);
    void closeNode(const QString& devnode);
    void readNode(const QString& devnode);
    void takeUdevEvents();
    void stop();

    DeviceIds ids;
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* monitorNotifier = nullptr;
    QMap<QString, QSocketNotifier*> nodes;
};
