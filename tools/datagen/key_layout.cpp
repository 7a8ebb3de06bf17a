#include "key_layout.h"

#include <QFile>
#include <QHash>

#include <cmath>

namespace {

struct Layout {
    double unitPixels = 0;
    QHash<int, double> typeWidths;
    QList<KeyCap> caps;
};

bool parseRow(const QStringList& words, Layout& layout) {
    bool ok = false;
    const int y = words[1].chopped(1).toInt(&ok);
    if (!ok || !words[1].endsWith(QLatin1Char(':')))
        return false;
    double units = 0;
    for (const QString& word : words.mid(2)) {
        if (word.startsWith(QLatin1Char('+'))) {
            units += word.mid(1).toDouble(&ok);
            if (!ok)
                return false;
            continue;
        }
        const QStringList parts = word.split(QLatin1Char(':'));
        KeyCap cap;
        cap.position = parts[0].toInt(&ok);
        if (!ok)
            return false;
        if (parts.size() == 2)
            cap.type = parts[1].toInt(&ok);
        if (!ok || !layout.typeWidths.contains(cap.type))
            return false;
        cap.x = int(std::lround(units * layout.unitPixels));
        cap.y = y;
        units += layout.typeWidths[cap.type];
        layout.caps.append(cap);
    }
    return true;
}

bool parseLine(const QString& line, Layout& layout) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    if (words[0] == QLatin1String("unit") && words.size() == 2) {
        layout.unitPixels = words[1].toDouble(&ok);
        return ok;
    }
    if (words[0] == QLatin1String("type") && words.size() == 3) {
        const int type = words[1].toInt(&ok);
        bool widthOk = false;
        layout.typeWidths.insert(type, words[2].toDouble(&widthOk));
        return ok && widthOk;
    }
    if (words[0] == QLatin1String("row") && words.size() > 2)
        return parseRow(words, layout);
    return false;
}

} // namespace

QList<KeyCap> readKeyLayout(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    Layout layout;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!parseLine(line, layout))
            return {};
    }
    return layout.caps;
}
