#include "ProgramFixture.h"
#include "app/frmSplash.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <cmath>

namespace
{

// A dark desktop: the "darker" scheme of the Qt settings tool, in QPalette's role order.
QPalette darkDesktop()
{
    const QRgb active[] = {0xffffff, 0x424245, 0x979797, 0x5e5c5b, 0x302f2e, 0x4a4947, 0xffffff,
                           0xffffff, 0xffffff, 0x3d3d3d, 0x222020, 0xe7e4e0, 0x12608a, 0xf9f9f9,
                           0x0986d3, 0xa70b06, 0x5c5b5a, 0xffffff, 0x3f3f36, 0xffffff, 0xffffff};
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Active, colorRole, QColor(active[role]));
        palette.setColor(QPalette::Inactive, colorRole, QColor(active[role]));
        const bool text = colorRole == QPalette::WindowText || colorRole == QPalette::Text ||
                          colorRole == QPalette::ButtonText;
        palette.setColor(QPalette::Disabled, colorRole, text ? QColor(0x808080) : active[role]);
    }
    return palette;
}

// WCAG 2.2's contrast ratio of two opaque colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour a widget's text stands on. A control paints its own field, button face and
// selection; a label or a caption stands on its nearest painted holder.
QColor groundOf(const QWidget *widget, QPalette::ColorGroup group, QPalette::ColorRole role)
{
    const QWidget *painted = widget;
    while (role == QPalette::Window && !painted->autoFillBackground() &&
           painted->parentWidget() != nullptr) {
        painted = painted->parentWidget();
    }
    return painted->palette().color(group, role);
}

struct Pair {
    const char *what;
    QPalette::ColorRole text;
    QPalette::ColorRole ground;
};

// Every text control under `client` whose text does not read on its background; `checked` counts
// the controls looked at.
QString contrastFaults(const QWidget *client, int &checked)
{
    QStringList faults;
    const auto check = [&](const QWidget *widget, const QList<Pair> &pairs) {
        ++checked;
        for (const Pair &pair : pairs) {
            if (!widget->isEnabled()) {
                const QColor greyed = widget->palette().color(QPalette::Disabled, pair.text);
                const QColor ground = groundOf(widget, QPalette::Disabled, pair.ground);
                const QColor normal = widget->palette().color(QPalette::Active, pair.text);
                // Greyed text need not read at 4.5:1, but it must show and look unlike the rest.
                if (contrast(greyed, ground) < 1.4 || contrast(greyed, normal) < 3.0) {
                    faults.append(
                        QStringLiteral("%1 %2 greyed %3 on %4")
                            .arg(widget->objectName(), pair.what, greyed.name(), ground.name()));
                }
                continue;
            }
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                const QColor text = widget->palette().color(group, pair.text);
                const QColor ground = groundOf(widget, group, pair.ground);
                if (contrast(text, ground) < 4.5) {
                    faults.append(
                        QStringLiteral("%1 %2 %3 on %4 (%5:1)")
                            .arg(widget->objectName(), pair.what, text.name(), ground.name())
                            .arg(contrast(text, ground), 0, 'f', 1));
                }
            }
        }
    };
    const QList<Pair> selection = {{"selection", QPalette::HighlightedText, QPalette::Highlight}};
    for (const QWidget *widget : client->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(client) || widget->objectName() == QLatin1String("lblWinner")) {
            continue;
        }
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (!label->text().isEmpty()) {
                check(label, {{"text", QPalette::WindowText, QPalette::Window}});
            }
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
            if (qobject_cast<const QComboBox *>(edit->parentWidget()) == nullptr) {
                check(edit, QList<Pair>{{"text", QPalette::Text, QPalette::Base}} + selection);
            }
        } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            check(combo, QList<Pair>{{"text", QPalette::Text, QPalette::Base},
                                     {"arrow", QPalette::ButtonText, QPalette::Button}} +
                             selection);
            check(combo->lineEdit(),
                  QList<Pair>{{"typed text", QPalette::Text, QPalette::Base}} + selection);
            check(combo->view(), QList<Pair>{{"list", QPalette::Text, QPalette::Base}} + selection);
        } else if (qobject_cast<const QPushButton *>(widget) != nullptr) {
            check(widget, {{"caption", QPalette::ButtonText, QPalette::Button}});
        } else if (qobject_cast<const QRadioButton *>(widget) != nullptr ||
                   qobject_cast<const QGroupBox *>(widget) != nullptr) {
            check(widget, {{"caption", QPalette::WindowText, QPalette::Window}});
        }
    }
    return faults.join(QLatin1Char('\n'));
}

} // namespace

// Every window under a dark desktop theme: the designed backgrounds keep text that reads on
// them, while the desktop keeps its own colours for the menu bar and the window frame.
class tst_Contrast : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void window_data();
    void window();
};

void tst_Contrast::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(darkDesktop());
}

void tst_Contrast::window_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("texts");
    QTest::addRow("splash") << "frmSplash" << 5;
    QTest::addRow("menu") << "frmSelection" << 9;
    // Before and after a right answer (the greyed choices, the answer in the box): the welcome,
    // the instruction, two operands, the signs, the answer box, four choices and three buttons.
    QTest::addRow("addition") << "frmAddition" << 2 * 14;
    QTest::addRow("subtraction") << "frmSubtraction" << 2 * 14;
    QTest::addRow("multiplication") << "frmMultiplication" << 2 * 14;
    QTest::addRow("division") << "frmDivision" << 2 * 13;
    QTest::addRow("percent") << "frmPercent" << 2 * 15;
    // Four labels, three lists with their typed text and drop-down list, the frame, two
    // options and two buttons.
    QTest::addRow("request") << "frmTeacherAide" << 4 + 3 * 3 + 3 + 2;
}

void tst_Contrast::window()
{
    QFETCH(QString, window);
    QFETCH(int, texts);
    DrillFixture f;
    f.random.push({0.5F, 0.5F, 0.25F});
    int checked = 0;
    QString faults;
    Form *form = nullptr;
    if (window == QLatin1String("frmSplash")) {
        f.program.start();
        form = &f.program.splash();
        faults = contrastFaults(form->window()->client(), checked);
    } else if (window == QLatin1String("frmSelection")) {
        f.program.start();
        f.program.splash().Timer1_Timer();
        form = &f.program.selection();
        f.child<QLineEdit>(*form, "txtFirstName")->setText(QStringLiteral("ann"));
        faults = contrastFaults(form->window()->client(), checked);
    } else if (window == QLatin1String("frmTeacherAide")) {
        form = &f.aide();
        form->load();
        faults = contrastFaults(form->window()->client(), checked);
    } else {
        DrillWindow &drill = f.open(window, QStringLiteral("ANN"), QStringLiteral("3"));
        form = &drill;
        faults = contrastFaults(drill.window()->client(), checked);
        QVERIFY(f.dropCandidate(drill, drill.intSlot));
        QCOMPARE(enabledCandidates(drill), 0);
        faults += contrastFaults(drill.window()->client(), checked);
        // The verdict's red on light blue is the design's own pair, the same on every theme.
        const QPalette verdict = drill.window()->findChild<QLabel *>("lblWinner")->palette();
        QCOMPARE(verdict.color(QPalette::Active, QPalette::WindowText), QColor(0xff0000));
        QCOMPARE(verdict.color(QPalette::Active, QPalette::Window), QColor(0xc0c0ff));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    QCOMPARE(checked, texts);
    // What the desktop owns keeps the desktop's colours.
    QCOMPARE(form->window()->palette().color(QPalette::Window), QColor(0x222020));
    if (QMenuBar *menu = form->window()->findChild<QMenuBar *>()) {
        QCOMPARE(menu->palette().color(QPalette::ButtonText), QColor(0xffffff));
    }
}

QTEST_MAIN(tst_Contrast)
#include "tst_contrast.moc"
