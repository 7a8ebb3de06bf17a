// KWin for the suites, as Plasma's Wayland session runs it but without a screen or a seat:
// kwin_wayland with its virtual output, a home and a runtime folder of its own, on the suite's
// session bus. The suite installs KWin scripts into that home as a package would, starts Wayland
// clients on it, moves the focus and asks what KWin sees through one-off scripts, and photographs
// its output through KWin's screenshot interface.
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <unistd.h>

class HeadlessKwin {
public:
    static inline const QSize outputSize{1280, 800};

    HeadlessKwin() {
        QDir(home.path()).mkpath(QStringLiteral(".config"));
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                 "XDG_CACHE_HOME", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        // The screenshot interface answers only programs that a desktop file allows, unless this
        // says otherwise.
        environment.insert(QStringLiteral("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS"),
                           QStringLiteral("1"));
        // No opening or focus animations: a window stands where it ends once it is shown.
        writeConfig(QStringLiteral("kdeglobals"), "[KDE]\nAnimationDurationFactor=0\n");
    }
    ~HeadlessKwin() {
        for (auto& client : clients) {
            client->kill();
            client->waitForFinished();
        }
        kwin.terminate();
        if (!kwin.waitForFinished(10000)) {
            kwin.kill();
            kwin.waitForFinished();
        }
    }
    HeadlessKwin(const HeadlessKwin&) = delete;
    HeadlessKwin& operator=(const HeadlessKwin&) = delete;

    // As a user installs a KWin script: its package folder under
    // ~/.local/share/kwin/scripts/NAME, and NAMEEnabled=true among kwinrc's plugins. Before
    // start().
    bool installScript(const QString& package, const QString& name) {
        const QString target = home.filePath(QStringLiteral(".local/share/kwin/scripts/") + name);
        if (!QDir().mkpath(target) ||
            QProcess::execute(QStringLiteral("cp"),
                              {QStringLiteral("-r"), package + QStringLiteral("/."), target}) != 0)
            return false;
        return writeConfig(QStringLiteral("kwinrc"),
                           "[Plugins]\n" + name.toUtf8() + "Enabled=true\n");
    }

    // Empty once KWin serves its Wayland socket and its bus name; else why it could not start.
    QString start() {
        // Debian's binary carries a file capability that a container may refuse to grant; a
        // plain copy carries none.
        const QString binary = runtime.filePath(QStringLiteral("kwin_wayland"));
        if (!QFile::copy(QStringLiteral("/usr/bin/kwin_wayland"), binary))
            return QStringLiteral("kwin_wayland is not installed (the kwin-wayland package)");
        QFile::setPermissions(binary, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        kwin.setProcessEnvironment(environment);
        kwin.setProcessChannelMode(QProcess::MergedChannels);
        kwin.start(binary, {QStringLiteral("--virtual"), QStringLiteral("--socket"), socketName,
                            QStringLiteral("--width"), QString::number(outputSize.width()),
                            QStringLiteral("--height"), QString::number(outputSize.height())});
        if (!kwin.waitForStarted())
            return QStringLiteral("kwin_wayland cannot be started: ") + kwin.errorString();
        const bool up = QTest::qWaitFor(
            [this] {
                return kwin.state() != QProcess::Running ||
                       (QFile::exists(displaySocket()) &&
                        QDBusConnection::sessionBus().interface()->isServiceRegistered(
                            QStringLiteral("org.kde.KWin")));
            },
            30000);
        if (!up || kwin.state() != QProcess::Running)
            return QStringLiteral("KWin did not start: ") + log().right(800);
        return {};
    }

    QString displaySocket() const { return runtime.filePath(socketName); }

    // What a native Wayland client of this KWin sees: its socket, and a runtime folder.
    QProcessEnvironment clientEnvironment(const QString& clientRuntime = {}) const {
        QProcessEnvironment client = QProcessEnvironment::systemEnvironment();
        client.remove(QStringLiteral("DISPLAY"));
        client.remove(QStringLiteral("QT_QPA_PLATFORM"));
        client.insert(QStringLiteral("WAYLAND_DISPLAY"), displaySocket());
        client.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        client.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                      clientRuntime.isEmpty() ? runtime.path() : clientRuntime);
        return client;
    }

    // Starts a Wayland client and waits until KWin lists a window of its app id (KWin's
    // resource class); false if it never does.
    bool startClient(const QString& program, const QString& appId) {
        auto& client = clients.emplace_back(std::make_unique<QProcess>());
        client->setProcessEnvironment(clientEnvironment());
        client->start(program, {});
        return QTest::qWaitFor([&] { return !windowOf(appId).isEmpty(); }, 30000);
    }

    // Everything KWin wrote so far (its own lines and the scripts' "js:" lines).
    QString log() {
        text += QString::fromLocal8Bit(kwin.readAll());
        return text;
    }

    // Runs JavaScript as a one-off KWin script and returns the text that it passes to
    // `answer(text)`, or a null string when it gave none in time. Plasma 5's API names
    // (workspace.clientList(), workspace.activeClient).
    QString run(const QString& body) {
        const int serial = ++scripts;
        const QString marker = QStringLiteral("korvane-stage-%1:").arg(serial);
        const QString name = QStringLiteral("korvane-stage-%1").arg(serial);
        const QString path = runtime.filePath(name + QStringLiteral(".js"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QStringLiteral("function answer(text) { print(\"%1\" + text); }\n")
                       .arg(marker)
                       .toUtf8());
        file.write(body.toUtf8());
        file.close();
        const QDBusReply<int> id = scripting(QStringLiteral("loadScript"), {path, name});
        if (!id.isValid())
            return {};
        // The script's object: /N on Plasma 5, /Scripting/ScriptN on Plasma 6.
        for (const QString& object : {QStringLiteral("/%1").arg(id.value()),
                                      QStringLiteral("/Scripting/Script%1").arg(id.value())}) {
            const QDBusMessage reply =
                QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                    QStringLiteral("org.kde.KWin"), object, QStringLiteral("org.kde.kwin.Script"),
                    QStringLiteral("run")));
            if (reply.type() == QDBusMessage::ReplyMessage)
                break;
        }
        QString answer;
        const bool answered = QTest::qWaitFor(
            [&] {
                const QString all = log();
                if (all.contains(path + QStringLiteral(": error")))
                    return true;
                const qsizetype at = all.indexOf(marker);
                const qsizetype end = all.indexOf(QLatin1Char('\n'), at);
                if (at < 0 || end < 0)
                    return false;
                answer = all.mid(at + marker.size(), end - at - marker.size());
                return true;
            },
            20000);
        scripting(QStringLiteral("unloadScript"), {name});
        return answered ? answer : QString();
    }

    // Gives the focus to windows of these app ids in turn, in one script, as quick as alt-tab;
    // true once KWin reports the last of them active.
    bool activate(const QStringList& appIds) {
        const QString script =
            QStringLiteral("const ids = %1;\n"
                           "for (const id of ids) {\n"
                           "    const found = workspace.clientList().find(\n"
                           "        c => String(c.resourceClass) === id);\n"
                           "    if (found) workspace.activeClient = found;\n"
                           "}\n"
                           "answer(workspace.activeClient ? workspace.activeClient.resourceClass "
                           ": \"\");\n")
                .arg(jsonList(appIds));
        return run(script) == appIds.last();
    }

    // The app id of the window that KWin holds active; empty when none.
    QString activeApplication() {
        return run(QStringLiteral("answer(workspace.activeClient ? "
                                  "workspace.activeClient.resourceClass : \"\");\n"));
    }

    // KWin's record of the first window of an app id: its "x", "y", "width", "height" (its frame,
    // which is the client's own area when KWin draws no decoration), "active" and "caption";
    // empty when it has none.
    QJsonObject windowOf(const QString& appId) {
        const QString script =
            QStringLiteral(
                "const c = workspace.clientList().find(c => String(c.resourceClass) === %1);\n"
                "const g = c ? c.frameGeometry : null;\n"
                "answer(c ? JSON.stringify({x: g.x, y: g.y, width: g.width, height: g.height,\n"
                "    active: workspace.activeClient === c, caption: String(c.caption)}) : "
                "\"{}\");\n")
                .arg(jsonList({appId}).mid(1).chopped(1));
        return QJsonDocument::fromJson(run(script).toUtf8()).object();
    }

    // KWin's whole output as it composites it; a null image when KWin refused.
    QImage screenshot() {
        int pipe[2];
        if (::pipe(pipe) != 0)
            return {};
        QDBusMessage reply;
        {
            // Every copy of the writing end must be gone before the reading sees its end.
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
                QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureWorkspace"));
            call << QVariantMap() << QVariant::fromValue(QDBusUnixFileDescriptor(pipe[1]));
            ::close(pipe[1]);
            reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 30000);
        }
        QByteArray pixels;
        if (reply.type() == QDBusMessage::ReplyMessage) {
            char chunk[65536];
            for (ssize_t got; (got = ::read(pipe[0], chunk, sizeof chunk)) > 0;)
                pixels.append(chunk, got);
        }
        ::close(pipe[0]);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        const QVariantMap results = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
        const int width = results.value(QStringLiteral("width")).toInt();
        const int height = results.value(QStringLiteral("height")).toInt();
        const int stride = results.value(QStringLiteral("stride")).toInt();
        const auto format = QImage::Format(results.value(QStringLiteral("format")).toInt());
        if (width <= 0 || height <= 0 || pixels.size() < qsizetype(stride) * height)
            return {};
        return QImage(reinterpret_cast<const uchar*>(pixels.constData()), width, height, stride,
                      format)
            .convertToFormat(QImage::Format_RGB32);
    }

private:
    bool writeConfig(const QString& name, const QByteArray& content) {
        QFile file(home.filePath(QStringLiteral(".config/") + name));
        return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
               file.write(content) == content.size();
    }

    static QString jsonList(const QStringList& texts) {
        return QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
    }

    QDBusMessage scripting(const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
            QStringLiteral("org.kde.kwin.Scripting"), method);
        call.setArguments(arguments);
        return QDBusConnection::sessionBus().call(call);
    }

    const QString socketName = QStringLiteral("korvane-kwin");
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess kwin;
    QString text;
    int scripts = 0;
    std::vector<std::unique_ptr<QProcess>> clients;
};
