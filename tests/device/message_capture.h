#pragma once

#include <QStringList>
#include <QtGlobal>

#include <mutex>

// Collects the debug lines of every thread while it lives.
class MessageCapture {
public:
    MessageCapture() {
        std::lock_guard lock(mutex());
        lines().clear();
        previous = qInstallMessageHandler(&MessageCapture::handle);
    }
    ~MessageCapture() { qInstallMessageHandler(previous); }

    QStringList captured() const {
        std::lock_guard lock(mutex());
        return lines();
    }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message) {
        std::lock_guard lock(mutex());
        lines().append(message);
    }
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
    static QStringList& lines() {
        static QStringList l;
        return l;
    }

    QtMessageHandler previous = nullptr;
};
