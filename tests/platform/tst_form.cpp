#include "ScriptedDialogs.h"
#include "ScriptedRandomSource.h"
#include "platform/Form.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QTest>

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

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
