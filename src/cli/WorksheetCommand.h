#pragma once

#include <QStringList>

// Runs the program without a window: parses the worksheet options, makes the sheets and sends them
// to a PDF file, standard output or the default printer. Returns the process exit status:
// 0 done (or left waiting in a paused printer's queue, which it says), 1 printing or writing
// failed, 2 bad input with nothing written. `arguments` are argv's after the program's name.
int runWorksheetCommand(int argc, char **argv, const QStringList &arguments);
