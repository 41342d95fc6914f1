#include "ScriptedDialogs.h"
#include "ScriptedRandomSource.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{

// A form with one label, which records what Form_Load found.
class ProbeForm final : public Form
{
public:
    explicit ProbeForm(FormHost &host) : Form(host, QStringLiteral("frmProbe")) {}

    int loads = 0;
    bool windowVisibleAtLoad = false;
    bool labelVisibleAtLoad = false;
    QPointer<QLabel> label;

protected:
    void buildScreen(FormWindow &window) override
    {
        window.setClientSizeTwips(3000, 1500);
        label = new QLabel(window.client());
        label->setObjectName(QStringLiteral("lblProbe"));
    }
    void Form_Load() override
    {
        ++loads;
        windowVisibleAtLoad = window()->isVisible();
        labelVisibleAtLoad = label->isVisible();
        label->setText(QStringLiteral("loaded"));
    }
};

} // namespace

// Loading, showing and unloading a form: when Form_Load runs, and what the window looks like.
class tst_Form : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showLoadsWithTheWindowOnScreen();
    void loadRunsFormLoadHidden();
    void showOfALoadedFormRunsNoFormLoad();
    void nothingLoadsOnceTheRunHasEnded();
    void qtMessageBoxAnswers_data();
    void qtMessageBoxAnswers();
    void qtInputBoxAnswers_data();
    void qtInputBoxAnswers();
};

void tst_Form::showLoadsWithTheWindowOnScreen()
{
    ScriptedDialogs dialogs;
    ScriptedRandomSource random;
    FormHost host(dialogs, random, {});
    ProbeForm form(host);
    form.show();
    QCOMPARE(form.loads, 1);
    // The window goes on screen first; its controls follow before Form_Load runs.
    QVERIFY(form.windowVisibleAtLoad);
    QVERIFY(form.labelVisibleAtLoad);
    QVERIFY(form.window()->client()->isVisible());
    QCOMPARE(form.label->text(), QStringLiteral("loaded"));
    // The client area keeps its designed size throughout: 3000 by 1500 twips, 200 by 100 pixels.
    QCOMPARE(form.window()->client()->size(), QSize(200, 100));
    QCOMPARE(form.window()->size(), QSize(200, 100));
}

void tst_Form::loadRunsFormLoadHidden()
{
    ScriptedDialogs dialogs;
    ScriptedRandomSource random;
    FormHost host(dialogs, random, {});
    ProbeForm form(host);
    form.load();
    QCOMPARE(form.loads, 1);
    QVERIFY(!form.windowVisibleAtLoad);
    QVERIFY(!form.isVisible());
    form.show();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.isVisible());
}

void tst_Form::showOfALoadedFormRunsNoFormLoad()
{
    ScriptedDialogs dialogs;
    ScriptedRandomSource random;
    FormHost host(dialogs, random, {});
    ProbeForm form(host);
    form.show();
    form.window()->move(form.window()->pos() + QPoint(40, 30));
    const QPoint left = form.window()->pos();
    form.hide();
    form.show();
    QCOMPARE(form.loads, 1);
    QVERIFY(form.isVisible());
    // Shown again where it was left, not centred again.
    QCOMPARE(form.window()->pos(), left);
    form.unload();
    form.show();
    QCOMPARE(form.loads, 2);
}

// A handler that ends the run may go on to show a window; none comes up.
void tst_Form::nothingLoadsOnceTheRunHasEnded()
{
    ScriptedDialogs dialogs;
    ScriptedRandomSource random;
    int quits = 0;
    FormHost host(dialogs, random, [&quits] { ++quits; });
    ProbeForm form(host);
    host.endProgram();
    form.show();
    form.load();
    QVERIFY(!form.isLoaded());
    QCOMPARE(form.loads, 0);
    QCOMPARE(quits, 1);
}

namespace
{

// Answers the modal dialog the next call opens, as a person would: a button clicked, a key typed.
template <typename Answer> void answerNextDialog(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        answer(dialog);
    });
}

} // namespace

void tst_Form::qtMessageBoxAnswers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer");
    using B = Dialogs::Buttons;
    using A = Dialogs::Answer;
    QTest::addRow("Yes clicked") << int(B::YesNo) << "&Yes" << int(A::Yes);
    QTest::addRow("No clicked") << int(B::YesNo) << "&No" << int(A::No);
    QTest::addRow("Return takes the default, Yes") << int(B::YesNo) << "Return" << int(A::Yes);
    QTest::addRow("Escape is No") << int(B::YesNo) << "Escape" << int(A::No);
    QTest::addRow("OK clicked") << int(B::Ok) << "OK" << int(A::Ok);
}

void tst_Form::qtMessageBoxAnswers()
{
    QFETCH(int, buttons);
    QFETCH(QString, press);
    QFETCH(int, answer);
    answerNextDialog([press](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(box->text(), QStringLiteral("Prompt"));
        if (press == QLatin1String("Return") || press == QLatin1String("Escape")) {
            QTest::keyClick(box,
                            press == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == press) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + press));
    });
    QtDialogs dialogs;
    QCOMPARE(int(dialogs.messageBox(nullptr, QStringLiteral("Prompt"), QStringLiteral("Title"),
                                    Dialogs::Buttons(buttons))),
             answer);
}

void tst_Form::qtInputBoxAnswers_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addRow("default kept") << true << QString() << "3";
    QTest::addRow("typed over") << true << "5"
                                << "35";
    QTest::addRow("Cancel") << false << "5" << QString();
}

void tst_Form::qtInputBoxAnswers()
{
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    answerNextDialog([accept, typed](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        QVERIFY(input != nullptr);
        QCOMPARE(input->labelText(), QStringLiteral("Grade?"));
        auto *line = input->findChild<QLineEdit *>();
        QVERIFY(line != nullptr);
        line->end(false);
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.inputBox(nullptr, QStringLiteral("Grade?"), QStringLiteral("Title"),
                              QStringLiteral("3")),
             answer);
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
