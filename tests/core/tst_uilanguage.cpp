#include "core/UiLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(UiLanguage)

class TestUiLanguage : public QObject {
    Q_OBJECT
private slots:
    void languageChoice_data();
    void languageChoice();
    void qtTextsSpeakGerman_data();
    void qtTextsSpeakGerman();
};

void TestUiLanguage::languageChoice_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<UiLanguage>("chosen");
    QTest::newRow("C locale") << QStringList{"C"} << UiLanguage::German;
    QTest::newRow("only French") << QStringList{"fr-FR", "fr"} << UiLanguage::German;
    QTest::newRow("US English") << QStringList{"en-US", "en"} << UiLanguage::English;
    QTest::newRow("German before English") << QStringList{"de-AT", "en-GB"} << UiLanguage::German;
    QTest::newRow("English after French")
        << QStringList{"fr", "en_GB", "de"} << UiLanguage::English;
}

void TestUiLanguage::languageChoice() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(UiLanguage, chosen);
    QCOMPARE(preferredUiLanguage(uiLanguages), chosen);
}

// Qt's own buttons, context menus and day names, which the program's translation does not hold.
void TestUiLanguage::qtTextsSpeakGerman_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("yes") << "QPlatformTheme"
                         << "&Yes"
                         << "&Ja";
    QTest::newRow("no") << "QPlatformTheme"
                        << "&No"
                        << "&Nein";
    QTest::newRow("cancel") << "QPlatformTheme"
                            << "Cancel"
                            << "Abbrechen";
    QTest::newRow("context menu") << "QLineEdit"
                                  << "&Copy"
                                  << "&Kopieren";
}

void TestUiLanguage::qtTextsSpeakGerman() {
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, german);
    installUiLanguage(*QCoreApplication::instance(), UiLanguage::German);
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(english)), german);
    QCOMPARE(QLocale().dayName(1, QLocale::LongFormat), QString("Montag"));
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
