#pragma once

#include <QList>
#include <QString>

// Which on-board profile each application gets while it has the focus: an ordered list of
// (application, profile 1-6), the first match winning, and a default for every other application
// (0: leave the profile as it is). Applications are matched by Wayland app id or X11 window class,
// ignoring case, exactly or with the wildcards * and ?.
class FocusRules {
public:
    struct Rule {
        QString application;
        int profile = 1;
    };

    // How a rules file read.
    enum class Reading { Fine, Missing, Damaged };

    static constexpr int leaveProfile = 0;
    static constexpr int firstProfile = 1;
    static constexpr int lastProfile = 6;

    QList<Rule> rules;
    int defaultProfile = leaveProfile;
    bool enabled = true;

    // The profile (1-6) for an application, or leaveProfile.
    int profileFor(const QString& appId) const;

    // False for a pattern no application id can have (empty, too long, or with line breaks,
    // '=' or other characters the file cannot hold).
    static bool isValidApplication(const QString& application);
    static bool isValidProfile(int profile) {
        return profile >= firstProfile && profile <= lastProfile;
    }

    // The rules a file holds. A missing file holds none; a damaged one (unreadable, oversized,
    // a line that is not a rule, a profile outside 1-6) reads as none too, and says so.
    static FocusRules read(const QString& path, Reading* reading = nullptr);
    // Writes the whole file anew; false, with the old file kept, when that fails.
    bool write(const QString& path) const;

    QByteArray toText() const;
    static bool fromText(const QByteArray& text, FocusRules& rules);
};
