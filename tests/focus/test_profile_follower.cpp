// Following the focus: one switch per settled change of application, none where the profile
// already matches, a burst settles once, a burst that comes back switches nothing, and a profile
// chosen by hand stays until another application gets the focus.
#include "focus/profile_follower.h"

#include <QTest>

namespace {

struct Keyboard {
    int profile = 1;
    QList<int> switches;
};

FocusRules gameRules() {
    FocusRules rules;
    rules.rules = {{QStringLiteral("game"), 3}, {QStringLiteral("editor"), 2}};
    rules.defaultProfile = 1;
    return rules;
}

} // namespace

class TestProfileFollower : public QObject {
    Q_OBJECT

    Keyboard keyboard;
    std::unique_ptr<ProfileFollower> follower;

    // Reports the applications one after another, `gapMs` apart, and waits until the focus
    // has settled.
    void focus(const QStringList& applications, int gapMs = 30) {
        for (const QString& app : applications) {
            follower->applicationFocused(app);
            QTest::qWait(gapMs);
        }
        QTest::qWait(ProfileFollower::settleMs + 200);
    }

private slots:
    void init() {
        keyboard = {};
        follower = std::make_unique<ProfileFollower>([this] { return keyboard.profile; },
                                                     [this](int profile) {
                                                         keyboard.switches.append(profile);
                                                         keyboard.profile = profile;
                                                     });
        follower->setRules(gameRules());
    }

    void eachSettledChangeSwitchesOnce() {
        focus({QStringLiteral("game")});
        focus({QStringLiteral("editor")});
        focus({QStringLiteral("terminal")});
        QCOMPARE(keyboard.switches, QList<int>({3, 2, 1}));
    }

    void profileThatAlreadyMatchesIsNotSentAgain() {
        keyboard.profile = 3;
        focus({QStringLiteral("game")});
        focus({QStringLiteral("other")});
        QCOMPARE(keyboard.switches, QList<int>({1}));
    }

    void burstSettlesOnceOnItsLastApplication() {
        focus({QStringLiteral("game"), QStringLiteral("editor"), QStringLiteral("terminal"),
               QStringLiteral("editor")});
        QCOMPARE(keyboard.switches, QList<int>({2}));
    }

    void burstThatEndsWhereItBeganSendsNothing() {
        focus({QStringLiteral("game")});
        keyboard.switches.clear();
        focus({QStringLiteral("editor"), QStringLiteral("terminal"), QStringLiteral("game")}, 50);
        QCOMPARE(keyboard.switches, QList<int>());
    }

    void profileChosenByHandStaysUntilTheFocusMoves() {
        focus({QStringLiteral("game")});
        keyboard.profile = 5;            // chosen in the window or the tray
        focus({QStringLiteral("game")}); // another window of the same game
        QCOMPARE(keyboard.switches, QList<int>({3}));
        focus({QStringLiteral("editor")});
        focus({QStringLiteral("game")});
        QCOMPARE(keyboard.switches, QList<int>({3, 2, 3}));
    }

    void leaveTheProfileAsItIsWhereNoRuleMatches() {
        FocusRules rules = gameRules();
        rules.defaultProfile = FocusRules::leaveProfile;
        follower->setRules(rules);
        keyboard.profile = 4;
        focus({QStringLiteral("terminal")});
        QCOMPARE(keyboard.switches, QList<int>());
    }

    void switchedOffFollowsNothing() {
        FocusRules rules = gameRules();
        rules.enabled = false;
        follower->setRules(rules);
        focus({QStringLiteral("game")});
        QCOMPARE(keyboard.switches, QList<int>());
    }
};

QTEST_GUILESS_MAIN(TestProfileFollower)
#include "test_profile_follower.moc"
