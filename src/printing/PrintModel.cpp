#include "printing/PrintModel.h"

#include <QtGlobal>

bool PrintItem::operator==(const PrintItem &other) const
{
    if (kind != other.kind || separator != other.separator) {
        return false;
    }
    switch (kind) {
    case Kind::Text:
        return text == other.text;
    case Kind::Number:
        return number == other.number;
    case Kind::Tab:
        return column == other.column;
    case Kind::Zone:
        return true;
    }
    return false;
}

PrintLine &PrintLine::text(const QString &text, PrintSeparator separator)
{
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.text = text;
    item.separator = separator;
    m_items.append(item);
    return *this;
}

PrintLine &PrintLine::number(double value, PrintSeparator separator)
{
    PrintItem item;
    item.kind = PrintItem::Kind::Number;
    item.number = value;
    item.separator = separator;
    m_items.append(item);
    return *this;
}

PrintLine &PrintLine::tab(int column)
{
    Q_ASSERT(column >= 1);
    PrintItem item;
    item.kind = PrintItem::Kind::Tab;
    item.column = column;
    m_items.append(item);
    return *this;
}

PrintLine &PrintLine::zone()
{
    PrintItem item;
    item.kind = PrintItem::Kind::Zone;
    m_items.append(item);
    return *this;
}

bool PrintCommand::operator==(const PrintCommand &other) const
{
    if (kind != other.kind) {
        return false;
    }
    switch (kind) {
    case Kind::FontName:
        return fontName == other.fontName;
    case Kind::FontSize:
        return fontSize == other.fontSize;
    case Kind::Line:
        return line == other.line;
    case Kind::EndDocument:
        return true;
    }
    return false;
}

void PrintDocument::setFontName(const QString &name)
{
    Q_ASSERT(!isEnded());
    PrintCommand command;
    command.kind = PrintCommand::Kind::FontName;
    command.fontName = name;
    m_commands.append(command);
}

void PrintDocument::setFontSize(double points)
{
    Q_ASSERT(!isEnded());
    PrintCommand command;
    command.kind = PrintCommand::Kind::FontSize;
    command.fontSize = points;
    m_commands.append(command);
}

void PrintDocument::print(const PrintLine &line)
{
    Q_ASSERT(!isEnded());
    PrintCommand command;
    command.kind = PrintCommand::Kind::Line;
    command.line = line;
    m_commands.append(command);
}

void PrintDocument::emptyLine()
{
    print(PrintLine());
}

void PrintDocument::endDocument()
{
    Q_ASSERT(!isEnded());
    PrintCommand command;
    command.kind = PrintCommand::Kind::EndDocument;
    m_commands.append(command);
}

bool PrintDocument::isEnded() const
{
    return !m_commands.isEmpty() && m_commands.last().kind == PrintCommand::Kind::EndDocument;
}
