#pragma once

#include <QString>

// Tables keep the designed English text, marked for the translation tools with
// QT_TRANSLATE_NOOP under the context given here; the text is translated where it is shown, so
// a table built once still follows the language loaded at start-up.
QString translated(const char *context, const QString &source);
