#include "worksheets/TeacherAideLayout.h"

#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "worksheets/Subjects.h"
#include "worksheets/Worksheets.h"

#include <QCoreApplication>

namespace
{

QStringList subjectCaptions()
{
    QStringList captions;
    for (const SubjectRow &row : subjectRows()) {
        captions.append(translated("Subjects", row.listCaption));
    }
    return captions;
}

// "Enter the Subject: Addition,Subtraction,Division,Multiplication,or Percents: ", from the
// list the window offers.
QString subjectPrompt()
{
    //: %1 is the list of the subjects the list box beside it offers, "Addition, ... or
    //: Percents". The English design ends with a blank.
    return QCoreApplication::translate("frmTeacherAide", "Enter the Subject: %1: ")
        .arg(choiceList(subjectCaptions()));
}

} // namespace

const QList<TeacherAideControl> &teacherAideControls()
{
    using Role = TeacherAideRole;
    constexpr CaptionAlign Left = CaptionAlign::Left;
    constexpr CaptionAlign Centre = CaptionAlign::Centre;
    constexpr CaptionAlign Right = CaptionAlign::Right;
    constexpr double kDefault = 8.25;
    const QString heading = QCoreApplication::translate(
        "frmTeacherAide", "This Form is Designed to Aid You in the Creation of a Test.");
    const QString gradePrompt =
        QCoreApplication::translate("frmTeacherAide", "Enter Grade Level: (1 - 6):");
    const QString seedPrompt = QCoreApplication::translate(
        "frmTeacherAide", "Seed for Generator to insure originality (1-20):");
    const QString question = QCoreApplication::translate(
        "frmTeacherAide", "Would you like a copy of the test with answers?");
    const QString why = QCoreApplication::translate(
        "frmTeacherAide",
        "Due to the nature of a random generator, it will only perform one or the other");
    const QString yes = QCoreApplication::translate("frmTeacherAide", "Yes");
    const QString no = QCoreApplication::translate("frmTeacherAide", "No");
    //: Prints the worksheet ordered in this window.
    const QString submit = QCoreApplication::translate("frmTeacherAide", "Submit");
    //: The button closes this window and goes back to the menu; the program goes on.
    const QString exit =
        QCoreApplication::translate("frmTeacherAide", "Exit", "closes this window only");
    // clang-format off
    static const QList<TeacherAideControl> rows = {
        // role, name, caption, left, top, width, height, points, tab index, alignment, bold,
        // the list a prompt names, tooltip
        {Role::Heading,      "Label1",     heading,         413,  420,  6855, 375, 12,       0,  Left,   false, "",           ""},
        {Role::Prompt,       "Label2",     subjectPrompt(), 360,  1020, 4995, 495, 9.75,     2,  Left,   false, "cboSubject", ""},
        {Role::SubjectList,  "cboSubject", "",              5400, 1080, 1815, 315, kDefault, 9,  Left,   false, "",           ""},
        {Role::Prompt,       "Label3",     gradePrompt,     2940, 1860, 2415, 495, 9.75,     3,  Right,  false, "cboGrade",   ""},
        {Role::GradeList,    "cboGrade",   "",              5400, 1920, 1815, 315, kDefault, 10, Left,   false, "",           ""},
        {Role::Prompt,       "Label4",     seedPrompt,      1260, 2700, 4095, 495, 9.75,     4,  Right,  false, "cboSeed",    ""},
        {Role::SeedList,     "cboSeed",    "",              5400, 2760, 1815, 315, kDefault, 11, Left,   false, "",           ""},
        {Role::AnswerChoice, "Frame1",     question,        413,  3420, 4455, 615, kDefault, 5,  Left,   false, "",           why},
        {Role::Yes,          "optYes",     yes,             240,  240,  855,  255, kDefault, 6,  Left,   false, "",           ""},
        {Role::No,           "optNo",      no,              2760, 240,  975,  255, kDefault, 7,  Left,   false, "",           ""},
        {Role::Submit,       "cmdSubmit",  submit,          653,  4260, 1215, 495, kDefault, 1,  Centre, false, "",           ""},
        {Role::Exit,         "cmdExit",    exit,            5453, 4260, 1215, 495, kDefault, 8,  Centre, false, "",           ""},
    };
    // clang-format on
    return rows;
}

QStringList teacherAideItems(TeacherAideRole list)
{
    switch (list) {
    case TeacherAideRole::SubjectList:
        return subjectCaptions();
    case TeacherAideRole::GradeList: {
        QStringList grades;
        for (int grade = kLowestGrade; grade <= kHighestGrade; ++grade) {
            grades.append(integerText(grade));
        }
        // The first item carries a tab character, as designed.
        grades.first() += QLatin1Char('\t');
        return grades;
    }
    default:
        // The seeds are added when the window loads.
        return {};
    }
}

QList<MissingChoice> missingChoices(const TestRequest &request)
{
    QList<MissingChoice> missing;
    if (request.subject < 0) {
        missing.append({TeacherAideRole::SubjectList,
                        QCoreApplication::translate("frmTeacherAide", "Please Select A Subject"),
                        //: The title of the message that asks for the arithmetic subject.
                        QCoreApplication::translate("frmTeacherAide", "Subject")});
    }
    if (request.grade < 0) {
        missing.append({TeacherAideRole::GradeList,
                        QCoreApplication::translate("frmTeacherAide", "Please Enter A Grade Level"),
                        //: The title of the message that asks for the school grade, 1 to 6.
                        QCoreApplication::translate("frmTeacherAide", "Grade")});
    }
    if (request.seed < 0) {
        missing.append(
            {TeacherAideRole::SeedList,
             QCoreApplication::translate("frmTeacherAide", "Please enter seed from 1 to 20"),
             //: The title of the message that asks for the worksheet's number, 1 to 20.
             QCoreApplication::translate("frmTeacherAide", "Seed")});
    }
    return missing;
}
