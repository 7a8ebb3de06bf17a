#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// What the desktop suites share: the tool started from a private copy of the build's program and
// data (so its settings start fresh and stay there), pointer input through XTest, and pictures
// of the test's X server, on which every window and compositor of these suites is shown.
namespace DesktopStage {

// Runs xdotool on the test's X server and returns what it printed.
inline QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

inline void pointerTo(QPoint point) {
    xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
}

inline void click(QPoint point) {
    pointerTo(point);
    QTest::qWait(150);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

// Presses the left button at `from`, moves to `to` in steps as a hand does, and lets go.
inline void drag(QPoint from, QPoint to) {
    pointerTo(from);
    QTest::qWait(150);
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    QTest::qWait(300);
    constexpr int steps = 6;
    for (int step = 1; step <= steps; ++step) {
        pointerTo(from + (to - from) * step / steps);
        QTest::qWait(80);
    }
    QTest::qWait(300);
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
}

inline QImage screen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// The bounds of what differs from a plain background in `area`. Rows and columns with only a few
// such pixels (a pointer drawn into the picture) do not count.
inline QRect boundsAgainst(const QImage& picture, QRgb background, QRect area) {
    constexpr int fewest = 40;
    auto differs = [&](int x, int y) {
        return (picture.pixel(x, y) & 0xffffff) != (background & 0xffffff);
    };
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            count += differs(x, y);
        if (count >= fewest) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int count = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            count += differs(x, y);
        if (count >= fewest) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return left < 0 || top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Mean difference per channel of two pictures of the same size, 0 to 255.
inline double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 255;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

// The tool's own word that its window stands still (the opening has ended, a page has slid in):
// the lines it logs with these rules, read as they come. A picture taken before may show the
// scene on its way.
inline const QMap<QString, QString> windowEvents{
    {QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("korvane.window.debug=true")}};

class ToolLog {
public:
    explicit ToolLog(QProcess& tool) : tool(tool) {}

    // Everything the tool wrote on its error output so far.
    QString text() {
        written += QString::fromLocal8Bit(tool.readAllStandardError());
        return written;
    }

    // Waits until the tool has said `line` once more than this has waited for it before; false
    // when it does not in time or ends first.
    bool waitFor(const QString& line, int timeoutMs = 90000) {
        const QString whole = QStringLiteral("korvane.window: ") + line + QLatin1Char('\n');
        const int wanted = ++waited[line];
        return QTest::qWaitFor(
                   [&] {
                       return text().count(whole) >= wanted || tool.state() == QProcess::NotRunning;
                   },
                   timeoutMs) &&
               text().count(whole) >= wanted;
    }

    // The opening has ended and the first page has slid in.
    bool waitForTheOpening() {
        return waitFor(QStringLiteral("the opening has ended")) &&
               waitFor(QStringLiteral("page 0 has slid in"));
    }

private:
    QProcess& tool;
    QString written;
    QMap<QString, int> waited;
};

// Takes pictures of `area` until two in a row are the same, and returns the last; a null image
// when the area keeps changing. The compositor shows a client's last frame a little after the
// client drew it.
inline QImage stillPicture(QRect area, int timeoutMs = 30000) {
    QImage previous = screen().copy(area);
    QImage now;
    const bool still = QTest::qWaitFor(
        [&] {
            now = screen().copy(area);
            const bool same = now == previous;
            previous = now;
            return same;
        },
        timeoutMs);
    return still ? now : QImage();
}

// A private copy of one of the build's programs with the data tree beside it, and a runtime
// directory of its own (the single-instance lock and the virtual keyboard's state live there).
class ToolCopy {
public:
    explicit ToolCopy(const QString& program) {
        const QString binDir = QStringLiteral(KORVANE_BIN_DIR);
        QDir(dir.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        QProcess::execute(QStringLiteral("cp"),
                          {QStringLiteral("-r"), binDir + QStringLiteral("/modules"),
                           binDir + QLatin1Char('/') + program, dir.path()});
        executable = dir.filePath(program);
    }

    QString runtime() const { return dir.filePath(QStringLiteral("runtime")); }

    // Starts the program with these variables added to (or, when empty, taken from) the test's
    // environment.
    void start(QProcess& process, const QMap<QString, QString>& variables) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        for (auto it = variables.begin(); it != variables.end(); ++it) {
            if (it.value().isEmpty())
                env.remove(it.key());
            else
                env.insert(it.key(), it.value());
        }
        process.setProcessEnvironment(env);
        process.start(executable, {});
    }

private:
    QTemporaryDir dir;
    QString executable;
};

} // namespace DesktopStage
