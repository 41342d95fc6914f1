#pragma once

#include "printing/Paper.h"
#include "worksheets/Worksheets.h"

#include <QString>
#include <QStringList>
#include <optional>

// The choices of the worksheet command line, as the request window would take them. The parse
// fills in every field, an option left out with its default.
struct WorksheetOptions {
    Subject subject = Subject::Addition;
    int grade = 0;
    int seed = 0; // as the teacher sees it, 1 to 20
    bool answers = false;
    bool negatives = false;
    bool withKey = false; // each sheet followed by its answer copy, same problems
    int count = 0;
    QString output;      // empty: the default printer; "-": standard output
    int waitSeconds = 0; // how long the command waits for the printer to print its jobs
    // Chosen on the command line; otherwise the locale's for a file, the printer's on paper.
    std::optional<Paper> paper;
};

struct WorksheetParse {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    WorksheetOptions options;
    QString error; // one line naming the bad value and what is allowed
};

// Parses the arguments after the program name. Every value is checked here, whether the output
// file can be written included, before anything is made or written.
WorksheetParse parseWorksheetArguments(const QStringList &arguments);

// Whether the arguments ask for worksheets rather than the window: the window takes only the
// options Qt itself knows (-platform, -style, ...).
bool isWorksheetRequest(const QStringList &arguments);

QString worksheetUsage();
