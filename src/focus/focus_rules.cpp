#include "focus/focus_rules.h"

#include "settings/stored_file.h"

#include <QRegularExpression>

namespace {

constexpr qint64 largestFile = 256 * 1024;
constexpr int longestApplication = 255;
constexpr int mostRules = 1000;
const QString section = QStringLiteral("[focus]");
const QString enabledKey = QStringLiteral("enabled");
const QString defaultKey = QStringLiteral("default");
const QString rulePrefix = QStringLiteral("rule/");

bool matches(const QString& pattern, const QString& appId) {
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?')))
        return pattern.compare(appId, Qt::CaseInsensitive) == 0;
    const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                      QRegularExpression::CaseInsensitiveOption);
    return wildcard.match(appId).hasMatch();
}

bool readProfile(const QString& text, int allowedLow, int& profile) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < allowedLow || value > FocusRules::lastProfile)
        return false;
    profile = value;
    return true;
}

// "application, profile": the profile follows the last comma, so an id may hold commas.
bool readRule(const QString& value, FocusRules::Rule& rule) {
    const int comma = value.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    rule.application = value.left(comma).trimmed();
    return FocusRules::isValidApplication(rule.application) &&
           readProfile(value.mid(comma + 1), FocusRules::firstProfile, rule.profile);
}

} // namespace

int FocusRules::profileFor(const QString& appId) const {
    for (const Rule& rule : rules) {
        if (matches(rule.application, appId))
            return rule.profile;
    }
    return defaultProfile;
}

bool FocusRules::isValidApplication(const QString& application) {
    if (application.trimmed().isEmpty() || application.size() > longestApplication ||
        application != application.trimmed())
        return false;
    for (const QChar c : application) {
        if (c.category() == QChar::Other_Control || c == QLatin1Char('='))
            return false;
    }
    return true;
}

QByteArray FocusRules::toText() const {
    QString text = section + QLatin1Char('\n');
    text += enabledKey + (enabled ? QStringLiteral("=true\n") : QStringLiteral("=false\n"));
    text += defaultKey + QLatin1Char('=') + QString::number(defaultProfile) + QLatin1Char('\n');
    for (int i = 0; i < rules.size(); ++i)
        text += QStringLiteral("%1%2=%3, %4\n")
                    .arg(rulePrefix)
                    .arg(i)
                    .arg(rules[i].application)
                    .arg(rules[i].profile);
    return text.toUtf8();
}

bool FocusRules::fromText(const QByteArray& bytes, FocusRules& into) {
    FocusRules read;
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return false;
    bool inSection = false;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == section;
            if (!inSection)
                return false;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals < 0)
            return false;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == enabledKey) {
            if (value != QLatin1String("true") && value != QLatin1String("false"))
                return false;
            read.enabled = value == QLatin1String("true");
        } else if (key == defaultKey) {
            if (!readProfile(value, leaveProfile, read.defaultProfile))
                return false;
        } else if (key.startsWith(rulePrefix)) {
            Rule rule;
            if (!readRule(value, rule) || read.rules.size() >= mostRules)
                return false;
            read.rules.append(rule);
        } else {
            return false;
        }
    }
    into = read;
    return true;
}

FocusRules FocusRules::read(const QString& path, Reading* reading) {
    FocusRules rules;
    Reading outcome = Reading::Fine;
    if (!StoredFile::isRegularFile(path)) {
        outcome = Reading::Missing;
    } else {
        const std::optional<QByteArray> bytes = StoredFile::read(path, largestFile);
        if (!bytes || !fromText(*bytes, rules)) {
            rules = FocusRules();
            outcome = Reading::Damaged;
        }
    }
    if (reading)
        *reading = outcome;
    return rules;
}

bool FocusRules::write(const QString& path) const {
    return StoredFile::replace(path, toText());
}
