#include "umockdev_z9.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// Vendor collections as the Z9 describes them: 64-byte input and output reports and a 8-byte
// feature report (9 with the report id) on the command interface, 4-byte input reports on the
// notification interface.
const QByteArray commandDescriptor =
    QByteArray::fromHex("0601FF0901A101150026FF0075089540090181020901910295080901B102C0");
const QByteArray notificationDescriptor =
    QByteArray::fromHex("0602FF0901A101150026FF007508950409018102C0");
// The boot keyboard interface: modifiers, a reserved byte, LEDs and six key codes.
const QByteArray bootKeyboardDescriptor = QByteArray::fromHex(
    "05010906A101050719E029E71500250175019508810295017508810195057501050819012905910295017503"
    "910195067508150025650507190029658100C0");
constexpr int bootKeyboardInterface = 0;

QByteArray resolved(UMockdevIoctlClient* client, size_t length, UMockdevIoctlData** data) {
    GError* error = nullptr;
    *data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, length, &error);
    if (!*data) {
        g_clear_error(&error);
        return {};
    }
    return QByteArray(reinterpret_cast<const char*>((*data)->data), (*data)->data_len);
}

void answer(UMockdevIoctlClient* client, int result) {
    umockdev_ioctl_client_complete(client, result < 0 ? -1 : result, result < 0 ? EPIPE : 0);
}

} // namespace

// One hidraw node of the keyboard, and the input reports that wait for the program to read them.
struct UmockdevZ9::Node {
    std::shared_ptr<VirtualKeyboard> keyboard;
    VirtualKeyboard::Connection connection;
    QByteArray descriptor;
    QByteArray devnode;
    QByteArray syspath;
    UMockdevIoctlBase* handler = nullptr;
    int wakeFd = -1;
    std::mutex lock;
    std::deque<QByteArray> reports;
    std::atomic<bool> running{true};
    std::thread pump;

    // Moves what the keyboard sends into the node's queue. The preload library does not see
    // poll(), so every report also puts one byte on the node's terminal to wake the reader.
    void pumpReports() {
        unsigned char report[64];
        while (running) {
            const int n = keyboard->giveInputReport(connection, report, sizeof report, 20);
            if (n <= 0) {
                if (n < 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            {
                std::lock_guard guard(lock);
                reports.emplace_back(reinterpret_cast<const char*>(report), n);
            }
            if (::write(wakeFd, "", 1) != 1)
                running = false;
        }
    }
};

UmockdevZ9::UmockdevZ9(std::shared_ptr<VirtualKeyboard> z9)
    : keyboard(std::move(z9)), testbed(umockdev_testbed_new()) {
    addDevices();
}

UmockdevZ9::~UmockdevZ9() {
    removeDevices();
    g_object_unref(testbed);
}

void UmockdevZ9::unplug() {
    keyboard->unplug();
    removeDevices();
}

void UmockdevZ9::plug() {
    keyboard->plug();
    addDevices();
}

// One HID interface of the keyboard with its hidraw node, as sysfs shows them; `contents`, when
// given, makes the node a plain file rather than a terminal.
UmockdevZ9::HidrawNode UmockdevZ9::addHidraw(const QByteArray& usbName, int number,
                                             const QByteArray& descriptor,
                                             const QByteArray& contents) {
    const QByteArray interfaceName = usbName + ":1." + QByteArray::number(number);
    gchar* interfacePath = umockdev_testbed_add_device(
        testbed, "usb", interfaceName.constData(), usbDevice.constData(), "bInterfaceNumber",
        QByteArray::number(number, 16).rightJustified(2, '0').constData(), nullptr, "DEVTYPE",
        "usb_interface", nullptr);
    // Bus entries of removed devices stay behind, so every hid device gets a name of its own.
    const QByteArray hidName =
        "0003:04D9:5E01." + QByteArray::number(nextNode, 16).toUpper().rightJustified(4, '0');
    gchar* hid = umockdev_testbed_add_device(testbed, "hid", hidName.constData(), interfacePath,
                                             nullptr, "HID_ID", "0003:000004D9:00005E01",
                                             "HID_NAME", "Korvane Z9", "HID_UNIQ", "", nullptr);
    umockdev_testbed_set_attribute_binary(
        testbed, hid, "report_descriptor",
        reinterpret_cast<guint8*>(const_cast<char*>(descriptor.constData())),
        int(descriptor.size()));
    const QByteArray hidrawName = "hidraw" + QByteArray::number(nextNode++);
    HidrawNode node{"/dev/" + hidrawName, QByteArray(hid) + "/hidraw/" + hidrawName};
    // A node named without contents becomes a terminal, whose other end wakes the reader.
    const QByteArray description =
        "P: " + QByteArray(hid).mid(4) + "/hidraw/" + hidrawName + "\nN: " + hidrawName +
        (contents.isEmpty() ? QByteArray() : "=" + contents.toHex()) +
        "\nE: DEVNAME=" + node.devnode +
        "\nE: SUBSYSTEM=hidraw\nA: dev=247:" + QByteArray::number(nextNode) + "\n";
    GError* added = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, description.constData(), &added)) {
        qWarning("add_from_string: %s", added->message);
        g_clear_error(&added);
    }
    // hidapi reads the report descriptor through the node's "device" link to its parent.
    umockdev_testbed_set_attribute_link(testbed, node.syspath.constData(), "device", "../..");
    g_free(hid);
    g_free(interfacePath);
    return node;
}

void UmockdevZ9::addDevices() {
    const QList<HidInterfaceInfo> interfaces = keyboard->listInterfaces();
    const QByteArray usbName = "1-" + QByteArray::number(nextNode + 1);
    gchar* usb = umockdev_testbed_add_device(
        testbed, "usb", usbName.constData(), nullptr, "idVendor", "04d9", "idProduct", "5e01",
        "manufacturer", "Korvane", "product", "Z9", "bcdDevice", "0105", "serial", "", nullptr,
        "DEVTYPE", "usb_device", nullptr);
    usbDevice = usb;
    g_free(usb);

    bootKeyboard =
        addHidraw(usbName, bootKeyboardInterface, bootKeyboardDescriptor, QByteArray(1, 0));

    auto addNode = [&](int number, const QByteArray& descriptor) {
        auto node = std::make_unique<Node>();
        node->keyboard = keyboard;
        node->descriptor = descriptor;
        for (const HidInterfaceInfo& interface : interfaces) {
            if (interface.interfaceNumber == number)
                node->connection = *keyboard->connect(interface.path);
        }
        const HidrawNode hidraw = addHidraw(usbName, number, descriptor);
        node->devnode = hidraw.devnode;
        node->syspath = hidraw.syspath;

        node->handler = umockdev_ioctl_base_new();
        g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(handleIoctl), node.get());
        g_signal_connect(node->handler, "handle-read", G_CALLBACK(handleRead), node.get());
        g_signal_connect(node->handler, "handle-write", G_CALLBACK(handleWrite), node.get());
        GError* error = nullptr;
        if (!umockdev_testbed_attach_ioctl(testbed, node->devnode.constData(), node->handler,
                                           &error)) {
            qWarning("attach_ioctl: %s", error->message);
            g_clear_error(&error);
        }
        node->wakeFd = umockdev_testbed_get_dev_fd(testbed, node->devnode.constData());

        node->pump = std::thread(&Node::pumpReports, node.get());
        return node;
    };
    command = addNode(VirtualKeyboard::commandInterface, commandDescriptor);
    notification = addNode(VirtualKeyboard::notificationInterface, notificationDescriptor);
    // The ioctl handlers take their nodes over in umockdev's own thread; opens fail until then.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

QList<UmockdevZ9::HidrawNode> UmockdevZ9::hidrawNodes() const {
    QList<HidrawNode> nodes{bootKeyboard};
    for (const auto* node : {&command, &notification}) {
        if (*node)
            nodes.append({(*node)->devnode, (*node)->syspath});
    }
    return nodes;
}

QByteArray UmockdevZ9::fileOf(const QByteArray& devnode) const {
    return QByteArray(umockdev_testbed_get_root_dir(testbed)) + devnode;
}

void UmockdevZ9::removeDevices() {
    for (auto* node : {&command, &notification}) {
        if (!*node)
            continue;
        (*node)->running = false;
        (*node)->pump.join();
        umockdev_testbed_detach_ioctl(testbed, (*node)->devnode.constData(), nullptr);
        umockdev_testbed_remove_device(testbed, (*node)->syspath.constData());
        g_object_unref((*node)->handler);
        retired.push_back(std::move(*node));
    }
    if (!bootKeyboard.syspath.isEmpty())
        umockdev_testbed_remove_device(testbed, bootKeyboard.syspath.constData());
    bootKeyboard = {};
    if (!usbDevice.isEmpty())
        umockdev_testbed_remove_device(testbed, usbDevice.constData());
    usbDevice.clear();
}

gboolean UmockdevZ9::handleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                 gpointer nodePointer) {
    auto* node = static_cast<Node*>(nodePointer);
    const gulong request = umockdev_ioctl_client_get_request(client);
    const size_t size = _IOC_SIZE(request);
    UMockdevIoctlData* data = nullptr;
    if (request == HIDIOCGRDESCSIZE) {
        resolved(client, sizeof(int), &data);
        int descriptorSize = int(node->descriptor.size());
        umockdev_ioctl_data_update(data, 0, reinterpret_cast<guint8*>(&descriptorSize),
                                   sizeof descriptorSize);
        answer(client, 0);
        return TRUE;
    }
    if (_IOC_TYPE(request) != 'H')
        return FALSE;
    // The length of a feature report travels inside the request, so only the number is matched.
    if (_IOC_NR(request) == 0x06) {
        const QByteArray report = resolved(client, size, &data);
        answer(client, node->keyboard->takeFeatureReport(
                           node->connection, reinterpret_cast<const unsigned char*>(report.data()),
                           size_t(report.size())));
        return TRUE;
    }
    if (_IOC_NR(request) == 0x07) {
        QByteArray report = resolved(client, size, &data);
        const int n = node->keyboard->giveFeatureReport(
            node->connection, reinterpret_cast<unsigned char*>(report.data()),
            size_t(report.size()));
        if (n > 0)
            umockdev_ioctl_data_update(data, 0, reinterpret_cast<guint8*>(report.data()), n);
        answer(client, n);
        return TRUE;
    }
    return FALSE;
}

// One report per read, as hidraw hands them out; never blocks.
gboolean UmockdevZ9::handleRead(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                gpointer nodePointer) {
    auto* node = static_cast<Node*>(nodePointer);
    QByteArray report;
    {
        std::lock_guard guard(node->lock);
        if (!node->reports.empty()) {
            report = node->reports.front();
            node->reports.pop_front();
        }
    }
    if (report.isEmpty()) {
        umockdev_ioctl_client_complete(client, -1, EAGAIN);
        return TRUE;
    }
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    const int n = std::min<int>(int(report.size()), buffer->data_len);
    umockdev_ioctl_data_update(buffer, 0, reinterpret_cast<guint8*>(report.data()), n);
    umockdev_ioctl_client_complete(client, n, 0);
    return TRUE;
}

gboolean UmockdevZ9::handleWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client,
                                 gpointer nodePointer) {
    auto* node = static_cast<Node*>(nodePointer);
    UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
    answer(client, node->keyboard->takeOutputReport(node->connection, buffer->data,
                                                    size_t(buffer->data_len)));
    return TRUE;
}
