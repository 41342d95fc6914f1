#include "ProgramFixture.h"
#include "ScreenChecks.h"
#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "drills/DrillLayout.h"
#include "worksheets/TeacherAideLayout.h"

#include <QTranslator>

namespace
{

// A language whose every text is some 40% longer than the English one: in each word two letters
// of every five are doubled, so the words stay words and a caption can still wrap at its blanks.
// Placeholders (%1, %n) and signs stay as they are.
class LongerLanguage final : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        QString longer;
        int inWord = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            longer += c;
            const bool placeholder = i > 0 && text.at(i - 1) == QLatin1Char('%');
            if (!c.isLetter() || placeholder) {
                inWord = 0;
                continue;
            }
            if (inWord % 5 == 1 || inWord % 5 == 3) {
                longer += c;
            }
            ++inWord;
        }
        return longer;
    }
    bool isEmpty() const override { return false; }
};

const QString kSansSerif = QStringLiteral("MS Sans Serif");

} // namespace

// Every window built in a language longer than English: each caption shows whole in its box,
// grown where it needs, no box covers another, and all stay inside the window.
class tst_PseudoLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void textsAreLonger_data();
    void textsAreLonger();
    void splash();
    void menu();
    void drill_data();
    void drill();
    void requestWindow();

private:
    LongerLanguage m_language;
};

void tst_PseudoLanguage::initTestCase()
{
    QCoreApplication::installTranslator(&m_language);
}

void tst_PseudoLanguage::textsAreLonger_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("longer");
    QTest::addRow("button") << QByteArray("Next Question") << "Neextt Quuesstioon";
    QTest::addRow("placeholder kept") << QByteArray("CORRECT %1") << "COORRRECTT %1";
    QTest::addRow("sign kept") << QByteArray("+") << "+";
    QTest::addRow("short word") << QByteArray("is:") << "iss:";
}

// The language itself, so the windows below are built from texts that really are longer.
void tst_PseudoLanguage::textsAreLonger()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, longer);
    QCOMPARE(QCoreApplication::translate("DrillLayout", source.constData()), longer);
}

void tst_PseudoLanguage::splash()
{
    ProgramFixture f;
    f.program.start();
    const QString faults =
        screenFaults(f.program.splash().Frame1(), splashControls(), QStringLiteral("Arial"),
                     {{"lblCompany", "lblCopyright"}}, Boxes::MayGrow);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void tst_PseudoLanguage::menu()
{
    ProgramFixture f;
    f.program.start();
    f.program.splash().Timer1_Timer();
    const QString faults = screenFaults(f.program.selection().window()->client(),
                                        selectionControls(), kSansSerif, {}, Boxes::MayGrow);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void tst_PseudoLanguage::drill_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("name");
    for (const char *drill :
         {"frmAddition", "frmSubtraction", "frmMultiplication", "frmDivision", "frmPercent"}) {
        QTest::addRow("%s, short name", drill) << drill << "ANN";
        QTest::addRow("%s, 14 letters", drill) << drill << "MAXIMILIAN-LEO";
    }
}

void tst_PseudoLanguage::drill()
{
    QFETCH(QString, drill);
    QFETCH(QString, name);
    DrillFixture f;
    f.random.push({0.5F, 0.5F, 0.5F});
    DrillWindow &w = f.open(drill, name, QStringLiteral("3"));
    QVERIFY(w.lblIntro()->text().contains(name));
    const DrillLayout &layout = *QMap<QString, const DrillLayout *>{
        {"frmAddition", &additionLayout()},
        {"frmSubtraction", &subtractionLayout()},
        {"frmMultiplication", &multiplicationLayout()},
        {"frmDivision", &divisionLayout()},
        {"frmPercent",
         &percentLayout()}}.value(drill);
    const QString faults =
        screenFaults(w.window()->client(), layout.controls, kSansSerif, {}, Boxes::MayGrow);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void tst_PseudoLanguage::requestWindow()
{
    ProgramFixture f;
    f.aide().load();
    const QString faults = screenFaults(f.aide().window()->client(), teacherAideControls(),
                                        kSansSerif, {}, Boxes::MayGrow);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

QTEST_MAIN(tst_PseudoLanguage)
#include "tst_pseudolanguage.moc"
