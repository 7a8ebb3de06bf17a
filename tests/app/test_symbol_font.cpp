// The scene's brackets come from the tool's own small font, the rest of a text from the font
// Arial resolves to, and Chinese text still finds a CJK font.
#include "scene/symbol_font.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

class TestSymbolFont : public QObject {
    Q_OBJECT

    // The family of each glyph run of `text` laid out in `font`, in order.
    static QStringList runFamilies(const QString& text, const QFont& font) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns())
            families << run.rawFont().familyName();
        return families;
    }

private slots:
    void initTestCase() { SymbolFont::install(); }

    void fallbackPerCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::newRow("bracket") << "【" << false << "Korvane Symbols";
        QTest::newRow("bracket, bold") << "】" << true << "Korvane Symbols";
        QTest::newRow("latin") << "KEYS" << false << "Liberation Sans";
        QTest::newRow("chinese") << "键" << false << "Noto Sans CJK JP";
    }

    void fallbackPerCharacter() {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        QFont arial(QStringLiteral("Arial"), 12);
        arial.setBold(bold);
        QCOMPARE(runFamilies(text, arial), QStringList{family});
    }

    void bracketedTextUsesBothFonts() {
        const QStringList families =
            runFamilies(QStringLiteral("【 KEYS 】"), QFont(QStringLiteral("Arial"), 12));
        QVERIFY2(families.contains(QStringLiteral("Korvane Symbols")),
                 qPrintable(families.join(',')));
        QVERIFY2(families.contains(QStringLiteral("Liberation Sans")),
                 qPrintable(families.join(',')));
        QVERIFY2(!families.join(',').contains(QStringLiteral("CJK")),
                 qPrintable(families.join(',')));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestSymbolFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_symbol_font.moc"
