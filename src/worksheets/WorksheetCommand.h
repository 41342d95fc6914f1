#pragma once

// Runs the program without a window: parses the worksheet options, makes the sheets and sends them
// to a PDF file, standard output or the default printer. Returns the process exit status.
int runWorksheetCommand(int argc, char **argv);
