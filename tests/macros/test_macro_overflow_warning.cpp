#include "macros/macro_overflow_warning.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TestMacroOverflowWarning : public QObject {
    Q_OBJECT

private slots:
    void boxWarnsWithOneOkButtonAndWaitsForIt() {
        QString title;
        QString text;
        QMessageBox::StandardButtons standardButtons;
        qsizetype buttonCount = 0;
        bool hadParent = true;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            hadParent = box->parentWidget() != nullptr;
            standardButtons = box->standardButtons();
            buttonCount = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(10);

        MacroOverflowWarning::showWarningBox();

        QCOMPARE(title, QStringLiteral("MACRO"));
        QCOMPARE(text, QStringLiteral("Out of memory,\nsome command line has been cut."));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(!hadParent);
        QCOMPARE(standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(buttonCount, 1);
    }

    void showUsesTheReplacedPresenter() {
        int shown = 0;
        const MacroOverflowWarning::Presenter previous =
            MacroOverflowWarning::replacePresenter([&shown] { ++shown; });
        MacroOverflowWarning::show();
        MacroOverflowWarning::show();
        MacroOverflowWarning::replacePresenter(previous);
        QCOMPARE(shown, 2);
    }
};

QTEST_MAIN(TestMacroOverflowWarning)
#include "test_macro_overflow_warning.moc"
