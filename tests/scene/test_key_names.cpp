// The scene's key names (KeyCodeString.qml) and the controller's key-name table must agree entry
// for entry: macro files carry the scene's names and the encoder looks them up in the controller's
// table.
#include "macros/key_name_table.h"

#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <memory>

class TestKeyNames : public QObject {
    Q_OBJECT

private:
    QQmlEngine engine;
    std::unique_ptr<QObject> keyCodeString;

    QVariantMap table(const char* name) const {
        return keyCodeString->property(name).value<QJSValue>().toVariant().toMap();
    }

    QVariant nameOf(int keycode) const {
        QVariant name;
        QMetaObject::invokeMethod(keyCodeString.get(), "keycodeTostr", Q_RETURN_ARG(QVariant, name),
                                  Q_ARG(QVariant, keycode));
        return name;
    }

private slots:
    void initTestCase() {
        QQmlComponent component(&engine,
                                QUrl(QStringLiteral("qrc:/modules/qml/Z9/KeyCodeString.qml")));
        keyCodeString.reset(component.create());
        QVERIFY2(keyCodeString, qPrintable(component.errorString()));
        fillKeyNameMap();
    }

    void everyControllerNameHasTheSameIdInTheScene() {
        const QVariantMap str2keycode = table("str2keycode");
        QCOMPARE(keyNameMap.size(), 127);
        QCOMPARE(str2keycode.size(), keyNameMap.size());
        for (auto entry = keyNameMap.cbegin(); entry != keyNameMap.cend(); ++entry) {
            QVERIFY2(str2keycode.contains(entry.key()), qPrintable(entry.key()));
            QCOMPARE(str2keycode.value(entry.key()).toInt(), int(entry.value()));
        }
    }

    void everyControllerIdGivesBackItsNameInTheScene() {
        QCOMPARE(table("keycode2str").size(), keyNameMap.size());
        for (auto entry = keyNameMap.cbegin(); entry != keyNameMap.cend(); ++entry)
            QCOMPARE(nameOf(entry.value()).toString(), entry.key());
    }

    void idsWithoutANameHaveNoneInTheScene() {
        QList<uchar> ids = keyNameMap.values();
        for (int id = 0; id < 256; ++id) {
            if (!ids.contains(uchar(id)))
                QVERIFY2(!nameOf(id).isValid(), qPrintable(QString::number(id, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TestKeyNames)
#include "test_key_names.moc"
