#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// A wlroots compositor for the suites: sway with its headless backend in a runtime folder of its
// own, and Wayland clients started on it and focused by app id through its IPC. sway refuses to
// run as root; the suite then runs it as nobody, and its own clients, as root, still reach it.
class HeadlessSway {
public:
    HeadlessSway() {
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    ~HeadlessSway() {
        for (auto& client : clients) {
            client->kill();
            client->waitForFinished();
        }
        sway.terminate();
        sway.waitForFinished(10000);
    }
    HeadlessSway(const HeadlessSway&) = delete;
    HeadlessSway& operator=(const HeadlessSway&) = delete;

    // Empty once sway listens; else why it could not start.
    QString start() {
        QFile config(runtime.filePath(QStringLiteral("sway.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write sway's configuration");
        config.write("output HEADLESS-1 resolution 1024x768\n");
        config.close();
        sway.setProcessEnvironment(environment);
        sway.setProcessChannelMode(QProcess::MergedChannels);
        if (::getuid() == 0) {
            if (::chown(QFile::encodeName(runtime.path()).constData(), nobody, nobody) != 0)
                return QStringLiteral("cannot hand the runtime folder to nobody");
            sway.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=%1").arg(nobody),
                        QStringLiteral("--regid=%1").arg(nobody), QStringLiteral("--clear-groups"),
                        QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()});
        } else {
            sway.start(QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
        }
        if (!sway.waitForStarted())
            return QStringLiteral("sway cannot be started (is the sway package installed?)");
        for (int waited = 0; waited < 20000 && socket.isEmpty(); waited += 100) {
            for (const QString& name :
                 QDir(runtime.path()).entryList({QStringLiteral("wayland-*")}, QDir::System)) {
                if (!name.endsWith(QStringLiteral(".lock")))
                    socket = runtime.filePath(name);
            }
            QTest::qWait(100);
        }
        if (socket.isEmpty())
            return QStringLiteral("sway did not start: ") +
                   QString::fromLocal8Bit(sway.readAll()).right(600);
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        const QString ipc =
            QDir(runtime.path()).entryList({QStringLiteral("sway-ipc.*")}, QDir::System).value(0);
        environment.insert(QStringLiteral("SWAYSOCK"), runtime.filePath(ipc));
        return QString();
    }

    // The compositor's socket, as an absolute path (WAYLAND_DISPLAY takes one).
    QString displaySocket() const { return socket; }

    // Starts a Wayland client and waits until sway lists its window; false if it never does.
    bool startClient(const QString& program, const QString& appId) {
        auto& client = clients.emplace_back(std::make_unique<QProcess>());
        client->setProcessEnvironment(environment);
        client->start(program, {});
        return QTest::qWaitFor(
            [&] {
                return message({QStringLiteral("-t"), QStringLiteral("get_tree")}).contains(appId);
            },
            20000);
    }

    // Focuses the windows of these app ids in turn, in one message, so that a burst is as quick
    // as alt-tab makes it.
    // Two of weston's demo clients, a "game" and an "editor" for suites that focus two
    // applications in turn: started and listed, or false.
    static inline const QString gameId = QStringLiteral("org.freedesktop.weston.wayland-clickdot");
    static inline const QString editorId = QStringLiteral("org.freedesktop.weston.flower");
    bool startGameAndEditor() {
        return startClient(QStringLiteral("weston-clickdot"), gameId) &&
               startClient(QStringLiteral("weston-flower"), editorId);
    }

    void focus(const QStringList& appIds) {
        QStringList commands;
        for (const QString& appId : appIds)
            commands.append(QStringLiteral("[app_id=\"%1\"] focus").arg(appId));
        message({commands.join(QStringLiteral("; "))});
    }

private:
    static constexpr uid_t nobody = 65534;

    QString message(const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("swaymsg"), arguments);
        process.waitForFinished(20000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess sway;
    QString socket;
    std::vector<std::unique_ptr<QProcess>> clients;
};
