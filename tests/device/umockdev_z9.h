#pragma once

#include "virtual/virtual_keyboard.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <vector>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <umockdev.h>
#pragma pop_macro("signals")

// Puts a virtual Z9 behind fake hidraw nodes of a umockdev testbed, so that hidapi's own hidraw
// code talks to it: sysfs entries for enumeration, ioctls for feature reports, reads and writes
// for input and output reports. Beside its two vendor interfaces the keyboard has its boot
// keyboard interface, a node that is a plain file which nothing may open. Needs the process to
// run with umockdev's preload library.
class UmockdevZ9 {
public:
    struct HidrawNode {
        QByteArray devnode;
        QByteArray syspath;
    };

    explicit UmockdevZ9(std::shared_ptr<VirtualKeyboard> keyboard);
    ~UmockdevZ9();

    // The boot keyboard's node first, then the command and notification interfaces'.
    QList<HidrawNode> hidrawNodes() const;
    // Where a device node lies in the testbed, for watching it from outside the preload.
    QByteArray fileOf(const QByteArray& devnode) const;

    // Removes the keyboard's nodes and entries; plugging in again gives new node names.
    void unplug();
    void plug();

private:
    struct Node;

    HidrawNode addHidraw(const QByteArray& usbName, int number, const QByteArray& descriptor,
                         const QByteArray& contents = {});
    void addDevices();
    void removeDevices();
    static gboolean handleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer node);
    static gboolean handleRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer node);
    static gboolean handleWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer node);

    std::shared_ptr<VirtualKeyboard> keyboard;
    UMockdevTestbed* testbed = nullptr;
    // Node names are never reused within a process: umockdev's preload remembers old ones.
    static inline int nextNode = 0;
    QByteArray usbDevice;
    HidrawNode bootKeyboard;
    std::unique_ptr<Node> command;
    std::unique_ptr<Node> notification;
    // Removed nodes: umockdev's thread may still be inside a handler of one after its removal.
    std::vector<std::unique_ptr<Node>> retired;
};
