// The installed program on an X server: it works in the user's own directory, keeps a setting
// changed through the scene across a restart, and writes nothing below the installation prefix.
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Entry {
    qint64 size = 0;
    QDateTime modified;
    bool operator==(const Entry&) const = default;
};

// Every file and folder below `root` with its size and time of change.
QMap<QString, Entry> snapshot(const QString& root) {
    QMap<QString, Entry> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.insert(info.filePath(), {info.size(), info.lastModified()});
    }
    return entries;
}

QString runXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(5000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
}

// Places in the window: the settings button of the top bar, the sound drop-down of the settings
// page with its second entry (off), and the page's apply button; the close button.
const QPoint settingsButton(24, 16);
const QPoint soundList(219, 78);
const QPoint soundOff(219, 122);
const QPoint applyButton(270, 410);
const QPoint closeButton(976, 16);

class InstalledTool {
public:
    InstalledTool(const QString& program, const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home);
        process.start(program, {});
    }

    // Waits for the window and the opening animation.
    bool waitForWindow() {
        if (!process.waitForStarted())
            return false;
        for (int tries = 0; tries < 100 && window.isEmpty(); ++tries) {
            QTest::qWait(200);
            window = runXdotool({QStringLiteral("search"), QStringLiteral("--name"),
                                 QStringLiteral("Korvane Keyboard 1.0")});
        }
        QTest::qWait(6000);
        return !window.isEmpty();
    }

    void click(QPoint place) {
        runXdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                    QString::number(place.x()), QString::number(place.y()), QStringLiteral("click"),
                    QStringLiteral("1")});
        QTest::qWait(1500);
    }

    QString workingDirectory() const {
        return QFileInfo(QStringLiteral("/proc/%1/cwd").arg(process.processId())).symLinkTarget();
    }

    // Closes the window through the scene; true when the program ended with code 0.
    bool close() {
        click(closeButton);
        // The program may well have ended during the click's pause already.
        const bool ended =
            (process.state() == QProcess::NotRunning || process.waitForFinished(15000)) &&
            process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!ended)
            qWarning() << "exit code" << process.exitCode() << process.readAllStandardError();
        return ended;
    }

    ~InstalledTool() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

private:
    QTemporaryDir runtime;
    QProcess process;
    QString window;
};

// Installs the build below `prefix`; empty when it worked, else what cmake said.
QString installInto(const QString& prefix) {
    QProcess install;
    install.start(QStringLiteral(KORVANE_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(KORVANE_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix});
    if (!install.waitForFinished(120000) || install.exitCode() != 0)
        return QString::fromLocal8Bit(install.readAllStandardError()) + QStringLiteral(" failed");
    return QString();
}

QVariant soundSetting(const QString& userTree) {
    QSettings config(userTree + QStringLiteral("/modules/setting/apConfig.bin"),
                     QSettings::IniFormat);
    return config.value(QStringLiteral("common/1"));
}

} // namespace

class TestInstalledProgram : public QObject {
    Q_OBJECT

private slots:
    void aSettingChangedThroughTheSceneIsKeptInTheUsersOwnDirectory() {
        QTemporaryDir prefix;
        QTemporaryDir home;
        const QString installed = installInto(prefix.path());
        QVERIFY2(installed.isEmpty(), qPrintable(installed));
        const QString program = prefix.filePath(QStringLiteral("bin/korvane"));
        QVERIFY(QFileInfo(program).isExecutable());
        const QMap<QString, Entry> before = snapshot(prefix.path());
        const QString userTree = home.filePath(QStringLiteral(".local/share/korvane"));

        {
            InstalledTool tool(program, home.path());
            QVERIFY(tool.waitForWindow());
            QCOMPARE(tool.workingDirectory(), userTree);
            tool.click(settingsButton);
            tool.click(soundList);
            tool.click(soundOff);
            tool.click(applyButton);
            QVERIFY(tool.close());
        }
        QCOMPARE(soundSetting(userTree), QVariant(QStringLiteral("1")));

        {
            // Applying the page unchanged writes what the restarted scene read back.
            InstalledTool tool(program, home.path());
            QVERIFY(tool.waitForWindow());
            tool.click(settingsButton);
            tool.click(applyButton);
            QVERIFY(tool.close());
        }
        QCOMPARE(soundSetting(userTree), QVariant(QStringLiteral("1")));
        QCOMPARE(snapshot(prefix.path()), before);
    }

    // korvanectl works in the same per-user directory as the window (with --demo, the demo
    // window's), and takes file names relative to where it was started.
    void korvanectlWorksInTheWindowsOwnDirectory() {
        QTemporaryDir prefix;
        QTemporaryDir home;
        QTemporaryDir runtime;
        const QString installed = installInto(prefix.path());
        QVERIFY2(installed.isEmpty(), qPrintable(installed));
        const QMap<QString, Entry> before = snapshot(prefix.path());
        const auto ctl = [&](const QStringList& arguments) {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home.path());
            env.remove(QStringLiteral("XDG_DATA_HOME"));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            process.setProcessEnvironment(env);
            process.setWorkingDirectory(home.path());
            process.start(prefix.filePath(QStringLiteral("bin/korvanectl")), arguments);
            return process.waitForFinished(30000) ? process.exitCode() : -1;
        };
        QCOMPARE(ctl({QStringLiteral("--demo"), QStringLiteral("backlight"),
                      QStringLiteral("static"), QStringLiteral("--speed"), QStringLiteral("7")}),
                 0);
        QSettings demoProfile(
            home.filePath(QStringLiteral(".local/share/korvane-demo/modules/setting/p1.bin")),
            QSettings::IniFormat);
        QCOMPARE(demoProfile.value(QStringLiteral("color/backLedType")).toStringList(),
                 QStringList({"1", "1", "49", "7", "0"}));
        QCOMPARE(ctl({QStringLiteral("reset"), QStringLiteral("1")}), 0);
        QCOMPARE(ctl({QStringLiteral("export"), QStringLiteral("1"), QStringLiteral("saved.pf")}),
                 0);
        QVERIFY(
            QFileInfo(home.filePath(QStringLiteral(".local/share/korvane/modules/setting/p1.bin")))
                .isFile());
        QVERIFY(QFileInfo(home.filePath(QStringLiteral("saved.pf"))).isFile());
        QCOMPARE(snapshot(prefix.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestInstalledProgram)
#include "test_installed_program.moc"
