#pragma once

#include <QCoreApplication>
#include <QString>

// A designed English text as the running language shows it. The suite runs under the C locale,
// where this is the English text itself, so exact texts are still compared; a test run again in a
// translated language compares the catalogue's text and keeps every other check.
inline QString shown(const char *context, const QString &english,
                     const char *disambiguation = nullptr)
{
    return QCoreApplication::translate(context, english.toUtf8().constData(), disambiguation);
}
