#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Tables keep the designed English text, marked for the translation tools with
// QT_TRANSLATE_NOOP (QT_TRANSLATE_NOOP3 where the same words mean two things) under the context
// given here; the text is translated where it is shown, so a table built once still follows the
// language loaded at start-up.
QString translated(const char *context, const QString &source,
                   const char *disambiguation = nullptr);

// The locale of the language the person reads, the first of the session's languages; it decides
// how text is upper-cased. The numbers follow the number locale instead.
QLocale languageLocale();

// Items joined by two whole patterns from a catalogue, "%1, %2" for the list so far and the next
// item, "%1 or %2" for the list and its last item: a language orders and punctuates them itself.
QString joinedList(const QStringList &items, const QString &between, const QString &last);

// Choices named in a sentence, joined as the running language writes a list ending in "or":
// "Addition,Subtraction,or Percents" as designed in English, "Addition, Subtraktion oder
// Prozentrechnung" in German.
QString choiceList(const QStringList &items);

// A child's name in capitals by the rules of the given language: the Turkish dotted i becomes
// a dotted capital I, the German sharp s becomes SS.
QString upperCaseName(const QString &name, const QLocale &language);
