#include "Dialogs.h"
#include "ModalAction.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageBoxes_data();
    void messageBoxes();
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

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
