#include "ProgramFixture.h"
#include "ScreenChecks.h"
#include "Shown.h"
#include "drills/VerdictLabel.h"
#include "platform/Controls.h"
#include "platform/Twips.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

// The drill windows as built from their layout tables: positions, sizes, lines, fonts, colours,
// and whether every caption fits its box at the window's fonts.
class tst_DrillLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void verdictRoom_data();
    void verdictRoom();
    void placeVerdict_data();
    void placeVerdict();
    void verdictLabelFits_data();
    void verdictLabelFits();
    void geometry_data();
    void geometry();
    void designedAtFullSize_data();
    void designedAtFullSize();
    void linesShowAtThisScale_data();
    void linesShowAtThisScale();
    void problemSentence_data();
    void problemSentence();
    void window_data();
    void window();
    void fixedCaptions_data();
    void fixedCaptions();
    void captionsFit_data();
    void captionsFit();
    void welcomeWithLongName_data();
    void welcomeWithLongName();
    void percentInstructionOfItsOwn();
    void colours_data();
    void colours();
    void controlsOfEachWindow_data();
    void controlsOfEachWindow();

private:
    // A loaded drill of a fresh run, kept for one test function's row.
    std::unique_ptr<DrillFixture> m_fixture;
    DrillWindow &load(const QString &drill);
};

void tst_DrillLayout::initTestCase()
{
    installFontSubstitutes();
}

DrillWindow &tst_DrillLayout::load(const QString &drill)
{
    m_fixture = std::make_unique<DrillFixture>();
    m_fixture->random.push({0.5F, 0.5F, 0.5F});
    return m_fixture->open(drill, QStringLiteral("ANN"), QStringLiteral("3"));
}

namespace
{

const DrillLayout &layoutOf(const QString &drill)
{
    for (const DrillLayout *layout :
         {&additionLayout(), &subtractionLayout(), &multiplicationLayout(), &divisionLayout(),
          &percentLayout()}) {
        if (layout->formName == drill) {
            return *layout;
        }
    }
    qFatal("no drill %s", qPrintable(drill));
}

void addDrillRows()
{
    QTest::addColumn<QString>("drill");
    for (const char *drill :
         {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision", "frmPercent"}) {
        QTest::addRow("%s", drill) << QString::fromLatin1(drill);
    }
}

} // namespace

void tst_DrillLayout::geometry_data()
{
    addDrillRows();
}

// Every row of the window's table is a control in its designed box, inside the window, and no
// two controls cover each other.
void tst_DrillLayout::geometry()
{
    QFETCH(QString, drill);
    DrillWindow &w = load(drill);
    const QString faults = screenFaults(w.window()->client(), layoutOf(drill).controls);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void tst_DrillLayout::designedAtFullSize_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    // A few boxes as designed, in pixels at 100% (15 twips a pixel, each edge rounded).
    QTest::addRow("addition answer box") << "frmAddition"
                                         << "txtAnswer" << QRect(192, 147, 81, 32);
    QTest::addRow("subtraction fourth candidate") << "frmSubtraction"
                                                  << "lblfirst4" << QRect(376, 203, 81, 33);
    QTest::addRow("division divisor left of the bracket") << "frmDivision"
                                                          << "Label2" << QRect(96, 111, 81, 25);
    QTest::addRow("percent question") << "frmPercent"
                                      << "Label3" << QRect(96, 88, 145, 25);
    QTest::addRow("percent next button lower") << "frmPercent"
                                               << "cmdNext" << QRect(212, 296, 81, 41);
}

void tst_DrillLayout::designedAtFullSize()
{
    QFETCH(QString, drill);
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    DrillWindow &w = load(drill);
    QWidget *widget = w.window()->client()->findChild<QWidget *>(control);
    QVERIFY(widget != nullptr);
    // A longer translation may have grown the box, never shrunk or moved it off its design.
    if (boxesOfThisRun() == Boxes::MayGrow) {
        QVERIFY(widget->geometry().contains(pixels));
    } else {
        QCOMPARE(widget->geometry(), pixels);
    }
}

void tst_DrillLayout::linesShowAtThisScale_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QLine>("twips");
    for (const char *drill :
         {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision", "frmPercent"}) {
        for (const DrillLine &line : layoutOf(QString::fromLatin1(drill)).lines) {
            QTest::addRow("%s %s", drill, qPrintable(line.name))
                << QString::fromLatin1(drill) << line.name
                << QLine(line.x1, line.y1, line.x2, line.y2);
        }
    }
}

// Run at every display scale of the suite: the rendered window has the line's dark pixels along
// the whole line, within a device pixel of where the line lies.
void tst_DrillLayout::linesShowAtThisScale()
{
    QFETCH(QString, drill);
    QFETCH(QString, name);
    QFETCH(QLine, twips);
    DrillWindow &w = load(drill);
    QWidget *client = w.window()->client();
    // A line never takes the mouse, so it cannot hide the answer box from a drop.
    auto *drawn = client->findChild<DrawnLine *>(name);
    QVERIFY(drawn != nullptr);
    QVERIFY(drawn->testAttribute(Qt::WA_TransparentForMouseEvents));
    // Only the line's own pixels, so a neighbour's frame cannot stand in for a missing end.
    const QImage image = drawn->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QLine line =
        twipsLine(twips.x1(), twips.y1(), twips.x2(), twips.y2()).translated(-drawn->pos());
    const auto dark = [&image](int x, int y) {
        if (!image.rect().contains(x, y)) {
            return false;
        }
        const QColor c = image.pixelColor(x, y);
        return c.red() < 96 && c.green() < 96 && c.blue() < 96;
    };
    // Steps along the line in logical pixels and looks at the device pixels across it. An upright
    // or level line's ends are looked at too; a slanted one's end falls on a single device pixel.
    const int steps = std::max(std::abs(line.dx()), std::abs(line.dy()));
    const int end = line.dx() != 0 && line.dy() != 0 ? 1 : 0;
    int missing = 0;
    for (int step = end; step <= steps - end; ++step) {
        const qreal x = line.x1() + line.dx() * qreal(step) / steps + 0.5;
        const qreal y = line.y1() + line.dy() * qreal(step) / steps + 0.5;
        const int dx = int(std::floor(x * scale));
        const int dy = int(std::floor(y * scale));
        bool found = false;
        for (int across = -2; across <= 2 && !found; ++across) {
            found = line.dy() == 0   ? dark(dx, dy + across)
                    : line.dx() == 0 ? dark(dx + across, dy)
                                     : dark(dx + across, dy) || dark(dx, dy + across);
        }
        missing += found ? 0 : 1;
    }
    // Known: QRect::normalized() moves the far end of a reversed line's box in by a pixel.
    if (line.dx() < 0 || line.dy() < 0) {
        QEXPECT_FAIL("", "a line drawn leftwards or upwards stops a pixel short of its end",
                     Continue);
    }
    QVERIFY2(missing == 0, qPrintable(QStringLiteral("%1 of %2 points missing at scale %3")
                                          .arg(missing)
                                          .arg(steps + 1 - 2 * end)
                                          .arg(scale)));
}

void tst_DrillLayout::problemSentence_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("french");
    QTest::addColumn<QString>("spanish");
    QTest::addRow("addition") << "frmAddition"
                              << "12"
                              << "7"
                              << "12 plus 7"
                              << "12 plus 7"
                              << "12 plus 7"
                              << "12 m\u00E1s 7";
    QTest::addRow("subtraction negative") << "frmSubtraction"
                                          << "5"
                                          << "7"
                                          << "5 minus 7"
                                          << "5 minus 7"
                                          << "5 moins 7"
                                          << "5 menos 7";
    QTest::addRow("multiplication") << "frmMultiplication"
                                    << "6"
                                    << "7"
                                    << "6 times 7"
                                    << "6 mal 7"
                                    << "6 fois 7"
                                    << "6 por 7";
    QTest::addRow("division dividend first") << "frmDivision"
                                             << "97"
                                             << "20"
                                             << "97 divided by 20"
                                             << "97 geteilt durch 20"
                                             << "97 divis\u00E9 par 20"
                                             << "97 dividido entre 20";
    QTest::addRow("percent second first") << "frmPercent"
                                          << "3"
                                          << "4"
                                          << "What Percent of 4 is 3"
                                          << "Wie viel Prozent von 4 sind 3"
                                          << "Quel pourcentage de 4 est 3"
                                          << "\u00BFQu\u00E9 % de 4 es 3";
}

void tst_DrillLayout::problemSentence()
{
    QFETCH(QString, drill);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, sentence);
    QFETCH(QString, german);
    QFETCH(QString, french);
    QFETCH(QString, spanish);
    // A run in a translated language reads the problem in it; every other run in English.
    const QMap<QString, QString> inLanguage = {{"de", german}, {"fr", french}, {"es", spanish}};
    const QString language = QLocale::system().uiLanguages().value(0).left(2);
    const QMap<QString, const DrillLayout *> layouts = {
        {"frmAddition", &additionLayout()},
        {"frmSubtraction", &subtractionLayout()},
        {"frmMultiplication", &multiplicationLayout()},
        {"frmDivision", &divisionLayout()},
        {"frmPercent", &percentLayout()},
    };
    QCOMPARE(::problemSentence(*layouts.value(drill), first, second),
             inLanguage.value(language, sentence));
}

void tst_DrillLayout::window_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addRow("addition") << "frmAddition"
                              << "Addition" << QSize(7560, 4890);
    QTest::addRow("subtraction") << "frmSubtraction"
                                 << "Subtraction" << QSize(7560, 4890);
    QTest::addRow("multiplication") << "frmMultiplication"
                                    << "Multiplication" << QSize(7560, 4890);
    QTest::addRow("division") << "frmDivision"
                              << "Division" << QSize(7560, 4890);
    QTest::addRow("percent taller") << "frmPercent"
                                    << "Percent" << QSize(7560, 5175);
}

void tst_DrillLayout::window()
{
    QFETCH(QString, drill);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    DrillWindow &w = load(drill);
    QCOMPARE(w.window()->windowTitle(), shown("DrillLayout", caption));
    QCOMPARE(w.window()->client()->size(),
             QSize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height())));
    // The menu bar stands above the client area, not over it, across the whole window.
    const QMenuBar *bar = w.window()->menuBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->height() > 0);
    QCOMPARE(bar->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(bar->width(), w.window()->width());
    QCOMPARE(w.window()->client()->y(), bar->height());
}

// Boxes and type sizes are the screen check's; here a sign, the greeting and every drill's buttons
// keep their captions.
void tst_DrillLayout::fixedCaptions_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addRow("addition sign") << "frmAddition"
                                   << "Label3"
                                   << "+";
    QTest::addRow("percent is") << "frmPercent"
                                << "Label6"
                                << "is:";
    QTest::addRow("welcome") << "frmDivision"
                             << "lblIntro"
                             << "Welcome ANN!   To The Sumtopia.";
    // The three buttons every drill has, in each drill.
    for (const char *drill :
         {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision", "frmPercent"}) {
        QTest::addRow("%s exit", drill) << drill << "cmdExit"
                                        << "Exit";
        QTest::addRow("%s next", drill) << drill << "cmdNext"
                                        << "Next Question";
        QTest::addRow("%s back", drill) << drill << "cmdBack"
                                        << "Back to Menu";
    }
}

void tst_DrillLayout::fixedCaptions()
{
    QFETCH(QString, drill);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    DrillWindow &w = load(drill);
    QWidget *widget = w.window()->client()->findChild<QWidget *>(control);
    QVERIFY(widget != nullptr);
    // The greeting is the window's own text around the name; the rest come from the layout table.
    const QString expected =
        control == QLatin1String("lblIntro")
            ? shown("DrillWindow", "Welcome %1!   To The Sumtopia.").arg(QLatin1String("ANN"))
            : shown("DrillLayout", caption);
    auto *label = qobject_cast<QLabel *>(widget);
    // A button's caption may wrap onto a second line in its box.
    QCOMPARE(label != nullptr ? label->text()
                              : qobject_cast<QPushButton *>(widget)->text().replace('\n', ' '),
             expected);
}

void tst_DrillLayout::captionsFit_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    // The widest texts the program writes into fixed-width boxes; the fixed captions are the
    // geometry test's.
    QTest::addRow("welcome without name") << "frmAddition"
                                          << "lblIntro"
                                          << "Welcome !   To The Sumtopia.";
    QTest::addRow("largest product candidate") << "frmMultiplication"
                                               << "lblfirst2"
                                               << "22520";
    QTest::addRow("largest product operand box") << "frmMultiplication"
                                                 << "Label1"
                                                 << "150";
    QTest::addRow("most negative difference") << "frmSubtraction"
                                              << "lblfirst1"
                                              << "-998";
    QTest::addRow("most negative answer box") << "frmSubtraction"
                                              << "txtAnswer"
                                              << "-998";
    QTest::addRow("largest percent candidate") << "frmPercent"
                                               << "lblfirst4"
                                               << "15000.4";
    // 149 of 3 is 4966.67: the most digits a percent answer has.
    QTest::addRow("widest percent candidate") << "frmPercent"
                                              << "lblfirst3"
                                              << "4966.97";
    QTest::addRow("widest percent answer") << "frmPercent"
                                           << "txtAnswer"
                                           << "4966.67";
    QTest::addRow("division candidate") << "frmDivision"
                                        << "lblfirst3"
                                        << "150.4";
}

void tst_DrillLayout::captionsFit()
{
    QFETCH(QString, drill);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    DrillWindow &w = load(drill);
    QWidget *widget = w.window()->client()->findChild<QWidget *>(control);
    QVERIFY(widget != nullptr);
    int room = widget->contentsRect().width();
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        room = box->contentsRect().width() - 6; // the frame and the text margins
    }
    QVERIFY(!caption.isEmpty());
    const int width = QFontMetrics(widget->font()).horizontalAdvance(caption);
    QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" needs %2 px, the box has %3 px in %4")
                                           .arg(caption)
                                           .arg(width)
                                           .arg(room)
                                           .arg(QFontInfo(widget->font()).family())));
}

void tst_DrillLayout::welcomeWithLongName_data()
{
    addDrillRows();
}

// A 14-letter name is read whole in every language: the line wraps rather than being cut, and it
// keeps clear of the instruction below it. In English it stays in its designed box.
void tst_DrillLayout::welcomeWithLongName()
{
    QFETCH(QString, drill);
    m_fixture = std::make_unique<DrillFixture>();
    m_fixture->random.push({0.5F, 0.5F, 0.5F});
    DrillWindow &w = m_fixture->open(drill, QStringLiteral("MAXIMILIAN-LEO"), QStringLiteral("3"));
    QVERIFY(w.lblIntro()->text().contains(QLatin1String("MAXIMILIAN-LEO")));
    const QString cut = captionFault(w.lblIntro());
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    QVERIFY(w.window()->client()->rect().contains(w.lblIntro()->geometry()));
    QWidget *instruction = w.window()->client()->findChild<QWidget *>("Label4");
    QVERIFY(!instruction->geometry().intersects(w.lblIntro()->geometry()));
    const DrillControl &row = layoutOf(drill).control(DrillRole::Welcome);
    if (boxesOfThisRun() == Boxes::AsDesigned) {
        QCOMPARE(w.lblIntro()->geometry(), twipsRect(row.left, row.top, row.width, row.height));
    }
}

// The percent drill says what the child works out; English keeps the division's words as
// designed.
void tst_DrillLayout::percentInstructionOfItsOwn()
{
    const QMap<QString, QString> texts = {
        {"de", "Berechne, wie viel Prozent es sind, und ziehe das richtige Ergebnis ins "
               "Ergebnisfeld."},
        {"fr", "Calcule le pourcentage, puis fais glisser le bon r\u00E9sultat dans la case "
               "vide."},
        {"es", "Calcula el porcentaje y arrastra la respuesta correcta a la casilla vac\u00EDa."},
    };
    const QString expected =
        texts.value(QLocale::system().uiLanguages().value(0).left(2),
                    "Divide the two numbers , then drag the correct answer  to the total box.");
    DrillWindow &w = load(QStringLiteral("frmPercent"));
    QCOMPARE(w.window()->findChild<QLabel *>("Label4")->text(), expected);
}

void tst_DrillLayout::colours_data()
{
    QTest::addColumn<QString>("drill");
    for (const char *drill :
         {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision", "frmPercent"}) {
        QTest::addRow("%s", drill) << drill;
    }
}

void tst_DrillLayout::colours()
{
    QFETCH(QString, drill);
    DrillWindow &w = load(drill);
    QWidget *client = w.window()->client();
    const QColor cyan = bgrColor(DesignColor::Cyan);
    QCOMPARE(cyan, QColor(0, 255, 255));
    QCOMPARE(client->palette().color(QPalette::Window), cyan);
    for (QWidget *widget :
         {static_cast<QWidget *>(w.Label1()), static_cast<QWidget *>(w.Label2()),
          static_cast<QWidget *>(w.lblfirst(1)), static_cast<QWidget *>(w.lblfirst(4))}) {
        QCOMPARE(widget->palette().color(QPalette::Window), cyan);
        QCOMPARE(static_cast<QLabel *>(widget)->frameShape(), QFrame::Panel);
        QVERIFY(static_cast<QLabel *>(widget)->alignment() & Qt::AlignRight);
    }
    QCOMPARE(w.txtAnswer()->palette().color(QPalette::Base), cyan);
    QVERIFY(w.txtAnswer()->alignment() & Qt::AlignRight);
    QVERIFY(w.txtAnswer()->acceptDrops());
    QCOMPARE(w.lblWinner()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(w.lblWinner()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(w.lblWinner()->isHidden());
    QVERIFY(!w.lblIntro()->autoFillBackground());
    QCOMPARE(client->findChild<QPushButton *>(QStringLiteral("cmdNext"))
                 ->palette()
                 .color(QPalette::Button),
             QColor(0xFF, 0xC0, 0xFF));
    // Only the answer box takes drops.
    for (const QWidget *widget : client->findChildren<QWidget *>()) {
        QCOMPARE(widget->acceptDrops(), widget == w.txtAnswer());
    }
    QVERIFY(!w.window()->acceptDrops());
    QVERIFY(!client->acceptDrops());
}

void tst_DrillLayout::controlsOfEachWindow_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::addRow("addition") << "frmAddition" << QStringList{"Label3", "Label5", "Line1"}
                              << QStringList{"Label6", "Line2", "Line3", "Line4"};
    QTest::addRow("division bracket, no operator label")
        << "frmDivision" << QStringList{"Label5", "Line1", "Line2", "Line3", "Line4"}
        << QStringList{"Label3", "Label6"};
    QTest::addRow("percent question words")
        << "frmPercent" << QStringList{"Label3", "Label5", "Label6", "Line1"}
        << QStringList{"Line2", "Line3", "Line4"};
}

void tst_DrillLayout::controlsOfEachWindow()
{
    QFETCH(QString, drill);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    DrillWindow &w = load(drill);
    for (const QString &name : present) {
        QVERIFY2(w.window()->findChild<QWidget *>(name) != nullptr, qPrintable(name));
    }
    for (const QString &name : absent) {
        QVERIFY2(w.window()->findChild<QWidget *>(name) == nullptr, qPrintable(name));
    }
    for (int index = 1; index <= 4; ++index) {
        QCOMPARE(w.lblfirst(index)->objectName(), QStringLiteral("lblfirst%1").arg(index));
        // The label keeps its own index, which its drags carry.
        auto *candidate = qobject_cast<CandidateLabel *>(w.lblfirst(index));
        QVERIFY(candidate != nullptr);
        QCOMPARE(candidate->index(), index);
        const std::unique_ptr<QMimeData> data(candidate->dragData());
        QCOMPARE(candidateIndex(data.get(), drill), index);
    }
}

void tst_DrillLayout::verdictRoom_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QRect>("room");
    // Right of the operands, answer box and rules; below the instruction; above the candidates.
    QTest::addRow("addition") << "frmAddition" << QRect(QPoint(4088, 1013), QPoint(7559, 3037));
    QTest::addRow("subtraction") << "frmSubtraction"
                                 << QRect(QPoint(3968, 1013), QPoint(7559, 3037));
    QTest::addRow("multiplication")
        << "frmMultiplication" << QRect(QPoint(4088, 1013), QPoint(7559, 3037));
    QTest::addRow("division") << "frmDivision" << QRect(QPoint(4913, 1073), QPoint(7559, 3097));
    QTest::addRow("percent") << "frmPercent" << QRect(QPoint(5033, 1215), QPoint(7559, 3239));
}

void tst_DrillLayout::verdictRoom()
{
    QFETCH(QString, drill);
    QFETCH(QRect, room);
    const QList<const DrillLayout *> layouts = {&additionLayout(), &subtractionLayout(),
                                                &multiplicationLayout(), &divisionLayout(),
                                                &percentLayout()};
    for (const DrillLayout *layout : layouts) {
        if (layout->formName == drill) {
            QCOMPARE(::verdictRoom(*layout), room);
            return;
        }
    }
    QFAIL("no such layout");
}

void tst_DrillLayout::placeVerdict_data()
{
    QTest::addColumn<QRect>("designed");
    QTest::addColumn<QSize>("needed");
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QRect>("placed");
    const QRect room(270, 70, 230, 130);
    const QRect designed(375, 83, 13, 37);
    QTest::addRow("fits at its place")
        << designed << QSize(100, 37) << room << QRect(375, 83, 100, 37);
    QTest::addRow("too wide moves left")
        << designed << QSize(200, 37) << room << QRect(300, 83, 200, 37);
    QTest::addRow("exactly the room's width")
        << designed << QSize(230, 37) << room << QRect(270, 83, 230, 37);
    QTest::addRow("wider than the room is cut")
        << designed << QSize(400, 37) << room << QRect(270, 83, 230, 37);
    QTest::addRow("too tall moves up")
        << designed << QSize(100, 120) << room << QRect(375, 80, 100, 120);
    QTest::addRow("taller than the room is cut")
        << designed << QSize(100, 300) << room << QRect(375, 70, 100, 130);
}

void tst_DrillLayout::placeVerdict()
{
    QFETCH(QRect, designed);
    QFETCH(QSize, needed);
    QFETCH(QRect, room);
    QFETCH(QRect, placed);
    QCOMPARE(::placeVerdict(designed, needed, room), placed);
}

void tst_DrillLayout::verdictLabelFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addRow("short verdict at its designed 24 points") << "CORRECT ANN" << 32;
    QTest::addRow("wraps at its blank, still 24 points") << "Sorry,Try Again ANN" << 32;
    QTest::addRow("one long word down to 12 points")
        << "CORRECT MAXIMILIANAKONSTANTINOPOLOUSANDERSSON" << 16;
}

// Driven without a drill window: the verdict stays inside its room, whatever it has to say.
void tst_DrillLayout::verdictLabelFits()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QWidget parent;
    parent.resize(504, 326);
    const QRect designed(376, 83, 13, 37);
    const QRect room(276, 72, 226, 126);
    VerdictLabel verdict(&parent, designed, room, 24);
    verdict.hide();
    verdict.showVerdict(text);
    QVERIFY(!verdict.isHidden());
    QCOMPARE(verdict.text(), text);
    QCOMPARE(verdict.font().pixelSize(), pixelSize);
    QVERIFY2(room.contains(verdict.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(verdict.x())
                                                               .arg(verdict.y())
                                                               .arg(verdict.width())
                                                               .arg(verdict.height())));
    QVERIFY(verdict.width() >= designed.width());
    QVERIFY(verdict.height() >= designed.height());
}

QTEST_MAIN(tst_DrillLayout)
#include "tst_drilllayout.moc"
