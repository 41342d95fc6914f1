#include "printing/PrinterSurface.h"

#include "printing/PrintLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace
{

QFont printerFont(const QString &family, double points)
{
    QFont font(family);
    font.setPointSizeF(points > 0 ? points : 12.0);
    return font;
}

} // namespace

double weightedAverageWidth(const QFontMetricsF &metrics)
{
    static const int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    double total = 166 * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i) {
        total += weights[i] * metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + i)));
    }
    return total / 1000.0;
}

namespace
{

// Measures in the device's own units, in the font the document has set.
class DeviceMeasure final : public TextMeasure
{
public:
    // Until the document sets a font, the printer's serif face at 12 pt.
    explicit DeviceMeasure(QPaintDevice &device)
        : m_device(device), m_metrics(printerFont(QStringLiteral("Times New Roman"), 12.0), &device)
    {
        m_average = weightedAverageWidth(m_metrics);
    }

    void setFont(const QString &family, double points) override
    {
        m_metrics = QFontMetricsF(printerFont(family, points), &m_device);
        m_average = weightedAverageWidth(m_metrics);
    }
    double averageCharWidth() const override { return m_average; }
    double width(const QString &text) const override { return m_metrics.horizontalAdvance(text); }
    double lineHeight() const override { return m_metrics.lineSpacing(); }

private:
    QPaintDevice &m_device;
    QFontMetricsF m_metrics;
    double m_average = 0.0;
};

double printableHeight(QPagedPaintDevice &device)
{
    return device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
}

} // namespace

bool paintDocuments(QPainter &painter, QPagedPaintDevice &device,
                    const QList<PrintDocument> &documents)
{
    DeviceMeasure measure(device);
    const double pageHeight = printableHeight(device);
    bool firstPage = true;
    QString fontName;
    double fontSize = -1.0;
    double ascent = 0.0;
    for (const PrintDocument &document : documents) {
        const PlacedDocument placed = layOutDocument(document, measure, pageHeight);
        for (const PlacedPage &page : placed.pages) {
            if (!firstPage && !device.newPage()) {
                return false;
            }
            firstPage = false;
            for (const PlacedLine &line : page.lines) {
                for (const PlacedRun &run : line.runs) {
                    if (run.fontName != fontName || run.fontSize != fontSize) {
                        fontName = run.fontName;
                        fontSize = run.fontSize;
                        const QFont font = printerFont(fontName, fontSize);
                        painter.setFont(font);
                        ascent = QFontMetricsF(font, &device).ascent();
                    }
                    painter.drawText(QPointF(run.x, line.y + ascent), run.text);
                }
            }
        }
    }
    return true;
}
