#pragma once

#include "worksheets/Worksheets.h"

#include <QString>
#include <QStringList>

// The choices of the worksheet command line, as the request window would take them.
struct WorksheetOptions {
    Subject subject = Subject::Addition;
    int grade = 0;
    int seed = 0; // as the teacher sees it, 1 to 20
    bool answers = false;
    bool negatives = false;
    int count = 1;
    QString output; // empty: the default printer; "-": standard output
};

struct WorksheetParse {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    WorksheetOptions options;
    QString error; // one line naming the bad value and what is allowed
};

// Parses the arguments after the program name.
WorksheetParse parseWorksheetArguments(const QStringList &arguments);

QString worksheetUsage();
