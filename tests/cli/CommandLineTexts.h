#pragma once

#include <QString>

// The command line's sentences that both its tests expect, as the program writes them in English.

// %1 the path as given, %2 why it cannot be written.
inline const QString kCannotWrite = QStringLiteral(
    "output file '%1' cannot be written (%2); allowed: a writable file path or - for standard "
    "output");
