// The controller's per-application profile slots: the rules panel reads and writes the rules
// file, which the background service follows, and asks the service how it follows the focus.
#include "controller/myqquickview.h"

#include "focus/focus_rules.h"
#include "service/keyboard_service_client.h"
#include "settings/settings_paths.h"

namespace {

const QString enabledKey = QStringLiteral("enabled");
const QString defaultKey = QStringLiteral("defaultProfile");
const QString rulesKey = QStringLiteral("rules");
const QString applicationKey = QStringLiteral("application");
const QString profileKey = QStringLiteral("profile");

// The panel's rules as the file holds them; nothing when one of them is not valid.
std::optional<FocusRules> rulesFrom(const QVariantMap& map) {
    FocusRules rules;
    rules.enabled = map.value(enabledKey, true).toBool();
    rules.defaultProfile = map.value(defaultKey).toInt();
    if (rules.defaultProfile != FocusRules::leaveProfile &&
        !FocusRules::isValidProfile(rules.defaultProfile))
        return std::nullopt;
    for (const QVariant& entry : map.value(rulesKey).toList()) {
        const QVariantMap rule = entry.toMap();
        const FocusRules::Rule read{rule.value(applicationKey).toString(),
                                    rule.value(profileKey).toInt()};
        if (!FocusRules::isValidApplication(read.application) ||
            !FocusRules::isValidProfile(read.profile))
            return std::nullopt;
        rules.rules.append(read);
    }
    return rules;
}

} // namespace

QVariantMap myQQuickView::loadFocusRules() {
    FocusRules::Reading reading = FocusRules::Reading::Fine;
    const FocusRules rules = FocusRules::read(SettingsPaths::focusRulesFile(), &reading);
    QVariantList list;
    for (const FocusRules::Rule& rule : rules.rules)
        list.append(QVariantMap{{applicationKey, rule.application}, {profileKey, rule.profile}});
    return {{enabledKey, rules.enabled},
            {defaultKey, rules.defaultProfile},
            {rulesKey, list},
            {QStringLiteral("damaged"), reading == FocusRules::Reading::Damaged}};
}

bool myQQuickView::saveFocusRules(QVariantMap map) {
    const std::optional<FocusRules> rules = rulesFrom(map);
    return rules && rules->write(SettingsPaths::focusRulesFile());
}

QVariantMap myQQuickView::focusStatus() {
    const std::optional<FocusStatus> status = KeyboardServiceClient().focusStatus();
    if (!status)
        return {{QStringLiteral("service"), false}};
    return {{QStringLiteral("service"), true},
            {QStringLiteral("backend"), status->backend},
            {QStringLiteral("problem"), status->problem},
            {QStringLiteral("focused"), status->focusedApplication},
            {QStringLiteral("recent"), status->recentApplications}};
}
