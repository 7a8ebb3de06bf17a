#pragma once

#include "virtual/virtual_keyboard.h"

#include <QByteArray>

#include <memory>
#include <vector>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <umockdev.h>
#pragma pop_macro("signals")

// Puts a virtual Z9 behind fake hidraw nodes of a umockdev testbed, so that hidapi's own hidraw
// code talks to it: sysfs entries for enumeration, ioctls for feature reports, reads and writes
// for input and output reports. Needs the process to run with umockdev's preload library.
class UmockdevZ9 {
public:
    explicit UmockdevZ9(std::shared_ptr<VirtualKeyboard> keyboard);
    ~UmockdevZ9();

    // Removes the keyboard's nodes and entries; plugging in again gives new node names.
    void unplug();
    void plug();

private:
    struct Node;

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
    std::unique_ptr<Node> command;
    std::unique_ptr<Node> notification;
    // Removed nodes: umockdev's thread may still be inside a handler of one after its removal.
    std::vector<std::unique_ptr<Node>> retired;
};
