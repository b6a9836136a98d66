#include "ModalAction.h"
#include "gui/platform/Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data();
    void messageBoxes();
    void fileNameTooLong();
};

// Texts are shown as they are, never as markup; when the program is leaving on a signal no box
// waits for an answer that nobody may give.
void TestDialogs::messageBoxes_data() {
    QTest::addColumn<int>("kind"); // 0 inform, 1 warn, 2 question
    QTest::addColumn<bool>("unattended");
    QTest::addColumn<int>("shownFormat"); // -1: no box was shown
    QTest::newRow("information") << 0 << false << int(Qt::PlainText);
    QTest::newRow("warning") << 1 << false << int(Qt::PlainText);
    QTest::newRow("question") << 2 << false << int(Qt::PlainText);
    QTest::newRow("warning when leaving") << 1 << true << -1;
    QTest::newRow("question when leaving") << 2 << true << -1;
}

void TestDialogs::messageBoxes() {
    QFETCH(int, kind);
    QFETCH(bool, unattended);
    QFETCH(int, shownFormat);
    WidgetDialogs dialogs;
    if (unattended)
        dialogs.stopAsking();
    const QString text = QStringLiteral("Die Person <b>Anna</b> & Co");
    int format = -1;
    QString shownText;
    ModalAction answer("QMessageBox", [&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QVERIFY(box);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        format = int(label->textFormat());
        shownText = label->text();
        box->reject();
    });
    bool yes = false;
    if (kind == 0)
        dialogs.inform(nullptr, programTitle(), text);
    else if (kind == 1)
        dialogs.warn(nullptr, programTitle(), text);
    else
        yes = dialogs.askYesNo(nullptr, programTitle(), text);
    QCOMPARE(answer.ran(), shownFormat >= 0);
    QCOMPARE(format, shownFormat);
    QCOMPARE(shownText, format < 0 ? QString() : text);
    QVERIFY(!yes);
}

// Qt's file dialog would ignore Save for a name the file system cannot take; ours says why.
void TestDialogs::fileNameTooLong() {
    QTemporaryDir folder;
    WidgetDialogs dialogs;
    QString suggested;
    QString warning;
    ModalAction steps({{"QFileDialog",
                        [&](QWidget& dialog) {
                            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                            suggested = name->text();
                            name->setText(QString(300, u'x') + ".pdf");
                            // Once this step is over, so that the next meets the box.
                            QTimer::singleShot(0, name,
                                               [name] { QTest::keyClick(name, Qt::Key_Return); });
                        }},
                       {"QMessageBox",
                        [&](QWidget& box) {
                            warning = qobject_cast<QMessageBox*>(&box)->text();
                            box.close();
                        }},
                       {"QFileDialog", [](QWidget& dialog) { dialog.close(); }}});
    const QString chosen = dialogs.saveFileName(
        nullptr, "Speichern", folder.filePath("bericht.pdf"), "PDF-Dateien (*.pdf)");
    QVERIFY(steps.ran());
    QCOMPARE(suggested, QString("bericht.pdf"));
    QVERIFY2(warning.startsWith("Der Dateiname ist zu lang. Hier sind höchstens 255 Zeichen"),
             qPrintable(warning));
    QCOMPARE(chosen, QString());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
