#include "core/UiLanguage.h"

#include "TestLanguage.h"
#include "core/Outcome.h"
#include "core/SystemReason.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

Q_DECLARE_METATYPE(UiLanguage)

class TestUiLanguage : public QObject {
    Q_OBJECT
private slots:
    void languageChoice_data();
    void languageChoice();
    void qtTextsSpeakGerman_data();
    void qtTextsSpeakGerman();
    void systemReasons_data();
    void systemReasons();
    void fileFailuresInOurWords_data();
    void fileFailuresInOurWords();
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

// The common reasons why a file cannot be written, in our words in either language, whatever
// language the system speaks (the tests run under C.UTF-8, whose words are English); others
// keep the system's words. More reasons are met for real below and in the full-disk tests.
void TestUiLanguage::systemReasons_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* name, int error, const char* german, const char* english) {
        QTest::newRow(name) << error << QString(german) << QString(english);
    };
    row("permission denied", EACCES, "Zugriff verweigert", "Permission denied");
    row("read-only file system", EROFS, "Das Dateisystem ist schreibgeschützt",
        "Read-only file system");
    row("no space", ENOSPC, "Auf dem Datenträger ist kein Platz mehr", "No space left on device");
    row("invalid argument", EINVAL, "Ungültiges Argument", "Invalid argument");
    row("a rare one keeps the system's words", EXDEV, "Invalid cross-device link",
        "Invalid cross-device link");
}

void TestUiLanguage::systemReasons() {
    QFETCH(int, error);
    QFETCH(QString, german);
    QFETCH(QString, english);
    // Made before the language is chosen, as an Outcome's detail from the system's words.
    const Outcome failed = Outcome::failure(UserText::verbatim("x"), std::strerror(error));
    for (const auto& [language, words] : {std::pair{"de", german}, std::pair{"en", english}}) {
        const TestLanguage speaking(language);
        QVERIFY(speaking.installed());
        QCOMPARE(systemReason(error).text(), words);
        QCOMPARE(failed.detail().text(), words);
    }
}

// Qt's files say why in words of their own (errorString()); the common ones are ours too.
void TestUiLanguage::fileFailuresInOurWords_data() {
    QTest::addColumn<QString>("name"); // in a fresh folder holding a file "plain"
    QTest::addColumn<QString>("german");
    QTest::newRow("no such folder") << "missing/x"
                                    << "Die Datei oder der Ordner existiert nicht";
    QTest::newRow("a file as a folder") << "plain/x"
                                        << "Ein Teil des Pfads ist kein Ordner";
    QTest::newRow("a folder as a file") << "."
                                        << "Es ist ein Ordner";
    QTest::newRow("name too long") << QString(300, u'n') << "Der Dateiname ist zu lang";
}

void TestUiLanguage::fileFailuresInOurWords() {
    QFETCH(QString, name);
    QTemporaryDir folder;
    QFile plain(folder.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QFile file(folder.filePath(name));
    QVERIFY(!file.open(QIODevice::WriteOnly));
    QTEST(systemReasonIn(file.errorString()).text(), "german");
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "tst_uilanguage.moc"
