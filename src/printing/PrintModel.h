#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// What the program sends to a printer, as plain data: font changes, lines of items and the end
// of the document. Surfaces lay it out with PrintLayout; tests compare it directly.

// What follows an item on its line.
enum class PrintSeparator {
    Then, // the next item follows at once
    Zone, // the next item starts at the next print zone
    End,  // the line ends here
};

struct PrintItem {
    enum class Kind {
        Text,   // printed character for character
        Number, // printed in the printer's number form
        Tab,    // moves to a column, or to that column of the next line when past it
        Zone,   // a lone zone separator: moves on by one print zone
    };

    Kind kind = Kind::Text;
    QString text;
    double number = 0.0;
    int column = 1;
    PrintSeparator separator = PrintSeparator::Then;

    bool operator==(const PrintItem &other) const;
    bool operator!=(const PrintItem &other) const { return !(*this == other); }
};

// Builds the items of one printed line; the line always ends after its last item.
class PrintLine
{
public:
    PrintLine &text(const QString &text, PrintSeparator separator = PrintSeparator::Then);
    PrintLine &number(double value, PrintSeparator separator = PrintSeparator::Then);
    PrintLine &tab(int column);
    PrintLine &zone();

    const QList<PrintItem> &items() const { return m_items; }
    bool operator==(const PrintLine &other) const { return m_items == other.m_items; }
    bool operator!=(const PrintLine &other) const { return !(*this == other); }

private:
    QList<PrintItem> m_items;
};

struct PrintCommand {
    enum class Kind { FontName, FontSize, Line, EndDocument };

    Kind kind = Kind::Line;
    QString fontName;
    double fontSize = 0.0;
    PrintLine line;

    bool operator==(const PrintCommand &other) const;
    bool operator!=(const PrintCommand &other) const { return !(*this == other); }
};

// One print document: everything up to and including its end is released as one job. Its number
// items are written for the number locale it was made for, so every surface prints the same
// numbers as the tab columns were counted for (the C locale unless set).
class PrintDocument
{
public:
    void setNumberLocale(const QLocale &locale) { m_numberLocale = locale; }
    const QLocale &numberLocale() const { return m_numberLocale; }

    void setFontName(const QString &name);
    void setFontSize(double points);
    void print(const PrintLine &line);
    void emptyLine();
    void endDocument();

    const QList<PrintCommand> &commands() const { return m_commands; }
    bool isEnded() const;

    bool operator==(const PrintDocument &other) const
    {
        return m_commands == other.m_commands && m_numberLocale == other.m_numberLocale;
    }

private:
    QList<PrintCommand> m_commands;
    QLocale m_numberLocale = QLocale::c();
};
