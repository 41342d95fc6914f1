#pragma once

#include "platform/ScreenRow.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a control on the request window is for; the window builds, keeps and connects it by its
// role.
enum class TeacherAideRole {
    Heading,      // Label1
    Prompt,       // Label2, Label3, Label4: each names the list beside it
    SubjectList,  // cboSubject
    GradeList,    // cboGrade
    SeedList,     // cboSeed, filled when the window loads
    AnswerChoice, // Frame1, holding the two option buttons
    Yes,          // optYes, placed within the frame
    No,           // optNo, placed within the frame
    Submit,       // cmdSubmit
    Exit,         // cmdExit
};

using TeacherAideControl = ScreenRow<TeacherAideRole>;

// The request window's controls, in twips as designed, captions translated.
const QList<TeacherAideControl> &teacherAideControls();

// The items a list offers when the window is built, in order.
QStringList teacherAideItems(TeacherAideRole list);

// The request window's client area, in twips.
constexpr int kTeacherAideWidth = 7560;
constexpr int kTeacherAideHeight = 5175;

// What the teacher chose, as positions in the three lists; -1 where nothing is chosen.
struct TestRequest {
    int subject = -1;
    int grade = -1;
    int seed = -1;
};

// A choice the request still lacks, with the message that asks for it.
struct MissingChoice {
    TeacherAideRole list;
    QString message;
    QString title;
};

// The choices a request lacks, in the order subject, grade, seed: each gets its message, and the
// focus ends on the last list that was missing.
QList<MissingChoice> missingChoices(const TestRequest &request);
