#include "ProgramFixture.h"
#include "Shown.h"
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

void tst_RequestLayout::captionsFitTheirBoxes()
{
    ProgramFixture f;
    f.aide().load();
    QWidget *client = f.aide().window()->client();
    int checked = 0;
    for (QLabel *label : client->findChildren<QLabel *>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName() + QLatin1String(": ") + label->text()));
        ++checked;
    }
    for (QPushButton *button : client->findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        QVERIFY2(metrics.horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(button->objectName() + QLatin1String(": ") + button->text()));
        ++checked;
    }
    for (QRadioButton *option : client->findChildren<QRadioButton *>()) {
        QVERIFY2(option->sizeHint().width() <= option->width(),
                 qPrintable(option->objectName() + QLatin1String(": ") + option->text()));
        ++checked;
    }
    for (QGroupBox *frame : client->findChildren<QGroupBox *>()) {
        const QFontMetrics metrics(frame->font());
        QVERIFY2(metrics.horizontalAdvance(frame->title()) + 16 <= frame->width(),
                 qPrintable(frame->objectName() + QLatin1String(": ") + frame->title()));
        ++checked;
    }
    // Heading, three prompts, two buttons, two options and the frame.
    QCOMPARE(checked, 9);
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
