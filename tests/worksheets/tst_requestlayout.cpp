#include "ProgramFixture.h"
#include "ScreenChecks.h"
#include "Shown.h"
#include "worksheets/TeacherAideLayout.h"
#include "worksheets/frmTeacherAide.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The request window's captions in their boxes. The suite runs it in English and again in
// each translated language at 100% and 200%: a translated caption must fit the box designed for
// the English one.
class tst_RequestLayout : public QObject
{
    Q_OBJECT

private slots:
    void captionsInTheRunningLanguage();
    void captionsFitTheirBoxes();
    void subjectPromptAndExit();
    void listItemsFitTheirLists();
    void standardButtonsInTheRunningLanguage();
};

void tst_RequestLayout::captionsInTheRunningLanguage()
{
    ProgramFixture f;
    f.aide().load();
    QCOMPARE(f.aide().window()->windowTitle(), shown("frmTeacherAide", "Teachers Aide"));
    QCOMPARE(f.child<QPushButton>(f.aide(), "cmdSubmit")->text(),
             shown("frmTeacherAide", "Submit"));
    QCOMPARE(f.child<QRadioButton>(f.aide(), "optNo")->text(), shown("frmTeacherAide", "No"));
    QCOMPARE(f.child<QComboBox>(f.aide(), "cboSubject")->itemText(4),
             shown("Subjects", "Percents"));
}

// In every language each caption shows whole, in its designed box or one grown into free room,
// and no box covers another.
void tst_RequestLayout::captionsFitTheirBoxes()
{
    ProgramFixture f;
    f.aide().load();
    const QString faults = screenFaults(f.aide().window()->client(), teacherAideControls());
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

// The prompt lists the subjects the list beside it offers, in their order and in the running
// language; how a language joins a list is the texts' test, each caption the catalogue's.
void tst_RequestLayout::subjectPromptAndExit()
{
    ProgramFixture f;
    f.aide().load();
    const QString prompt = f.child<QLabel>(f.aide(), "Label2")->text();
    auto *subjects = f.child<QComboBox>(f.aide(), "cboSubject");
    const QString frame = shown("frmTeacherAide", "Enter the Subject: %1: ");
    QVERIFY2(prompt.startsWith(frame.section("%1", 0, 0)) &&
                 prompt.endsWith(frame.section("%1", 1)),
             qPrintable(prompt));
    qsizetype at = 0;
    for (int i = 0; i < subjects->count(); ++i) {
        at = prompt.indexOf(subjects->itemText(i), at);
        QVERIFY2(at > 0, qPrintable(subjects->itemText(i) + " / " + prompt));
    }
    if (QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("en")) ||
        QLocale::system().language() == QLocale::C) {
        QCOMPARE(prompt, QString("Enter the Subject: Addition,Subtraction,Division,Multiplication,"
                                 "or Percents: "));
    }
    QCOMPARE(f.child<QPushButton>(f.aide(), "cmdExit")->text(),
             shown("frmTeacherAide", "Exit", "closes this window only"));
}

void tst_RequestLayout::listItemsFitTheirLists()
{
    ProgramFixture f;
    f.aide().load();
    auto *subjects = f.child<QComboBox>(f.aide(), "cboSubject");
    QCOMPARE(subjects->count(), 5);
    const QFontMetrics metrics(subjects->font());
    // The arrow takes about a line's height at the right.
    const int room = subjects->width() - metrics.height() - 8;
    for (int i = 0; i < subjects->count(); ++i) {
        QVERIFY2(metrics.horizontalAdvance(subjects->itemText(i)) <= room,
                 qPrintable(subjects->itemText(i)));
    }
}

// The message boxes' buttons come from Qt's own catalogue, which the program loads beside its own.
void tst_RequestLayout::standardButtonsInTheRunningLanguage()
{
    // Yes, No, Cancel as each language's Qt catalogue has them; English where none is loaded.
    const QMap<QString, QStringList> buttons = {
        {"de", {"&Ja", "&Nein", "Abbrechen"}},
        {"fr", {"&Oui", "&Non", "Annuler"}},
        {"es", {"&S\u00ED", "&No", "Cancelar"}},
    };
    const QString language = QLocale::system().uiLanguages().value(0).left(2);
    if (buttons.contains(language) &&
        !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QLatin1String("/qtbase_") + language + QLatin1String(".qm"))) {
        QSKIP(
            "Qt's own catalogue of the language is not installed (package qt6-translations-l10n)");
    }
    const QStringList expected = buttons.value(language, {"&Yes", "&No", "Cancel"});
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), expected.at(0));
    QCOMPARE(box.button(QMessageBox::No)->text(), expected.at(1));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), expected.at(2));
}

QTEST_MAIN(tst_RequestLayout)
#include "tst_requestlayout.moc"
