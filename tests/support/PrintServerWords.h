#pragma once

#include <QString>

// What CUPS says of a job whose printer it cannot reach. The scripted tests hand it in as the
// server's words and the real server's test finds it in what the teacher reads, so it is written
// once, as CUPS writes it.
inline QString printerUnavailable()
{
    return QStringLiteral("The printer may not exist or is unavailable at this time.");
}
