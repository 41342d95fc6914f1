#include "printing/PrintLayout.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace
{

// Positions computed from proportional widths drift by rounding; a position this close to a
// column or zone start counts as being on it.
constexpr double kTolerance = 1e-9;

class Layout
{
public:
    Layout(TextMeasure &measure, double pageHeight, const QLocale &numberLocale)
        : m_measure(measure), m_pageHeight(pageHeight), m_numberLocale(numberLocale)
    {
        m_document.pages.append(PlacedPage());
    }

    void setFont(const QString &name, double size)
    {
        m_fontName = name;
        m_fontSize = size;
        m_measure.setFont(m_fontName, m_fontSize);
    }
    void setFontName(const QString &name) { setFont(name, m_fontSize); }
    void setFontSize(double size) { setFont(m_fontName, size); }

    void printLine(const PrintLine &line)
    {
        startLine();
        const QList<PrintItem> &items = line.items();
        for (qsizetype i = 0; i < items.size(); ++i) {
            const PrintItem &item = items.at(i);
            switch (item.kind) {
            case PrintItem::Kind::Text:
                place(item.text);
                break;
            case PrintItem::Kind::Number:
                place(printerNumberText(item.number, m_numberLocale));
                break;
            case PrintItem::Kind::Tab:
                tabTo(item.column);
                break;
            case PrintItem::Kind::Zone:
                m_x = nextZone();
                break;
            }
            if (item.kind == PrintItem::Kind::Zone || item.kind == PrintItem::Kind::Tab) {
                continue;
            }
            if (item.separator == PrintSeparator::Zone) {
                m_x = nextZone();
            } else if (item.separator == PrintSeparator::End && i + 1 < items.size()) {
                endLine();
                startLine();
            }
        }
        endLine();
    }

    PlacedDocument result() const { return m_document; }

private:
    void startLine()
    {
        const double height = m_measure.lineHeight();
        if (m_pageHeight > 0 && m_y > 0 && m_y + height > m_pageHeight) {
            m_document.pages.append(PlacedPage());
            m_y = 0.0;
        }
        m_line = PlacedLine();
        m_line.y = m_y;
        m_x = 0.0;
    }

    void endLine()
    {
        m_y += m_measure.lineHeight();
        m_document.pages.last().lines.append(m_line);
        m_x = 0.0;
    }

    void place(const QString &text)
    {
        if (!text.isEmpty()) {
            m_line.runs.append({text, m_x, m_fontName, m_fontSize});
        }
        m_x += m_measure.width(text);
    }

    void tabTo(int column)
    {
        const double target = (column - 1) * m_measure.averageCharWidth();
        if (m_x > target + kTolerance * std::max(1.0, target)) {
            endLine();
            startLine();
        }
        m_x = target;
    }

    double nextZone() const
    {
        const double zoneWidth = kPrintZoneColumns * m_measure.averageCharWidth();
        if (zoneWidth <= 0) {
            return m_x;
        }
        const double zonesPassed = std::floor(m_x / zoneWidth + kTolerance);
        return (zonesPassed + 1.0) * zoneWidth;
    }

    TextMeasure &m_measure;
    double m_pageHeight;
    QLocale m_numberLocale;
    PlacedDocument m_document;
    PlacedLine m_line;
    QString m_fontName;
    double m_fontSize = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
};

} // namespace

PlacedDocument layOutDocument(const PrintDocument &document, TextMeasure &measure,
                              double pageHeight)
{
    Layout layout(measure, pageHeight, document.numberLocale());
    for (const PrintCommand &command : document.commands()) {
        switch (command.kind) {
        case PrintCommand::Kind::FontName:
            layout.setFontName(command.fontName);
            break;
        case PrintCommand::Kind::FontSize:
            layout.setFontSize(command.fontSize);
            break;
        case PrintCommand::Kind::Line:
            layout.printLine(command.line);
            break;
        case PrintCommand::Kind::EndDocument:
            return layout.result();
        }
    }
    return layout.result();
}
