#include "printing/TextSurface.h"

#include <cmath>

QStringList textLines(const PrintDocument &document)
{
    TextMeasureOneColumn measure;
    const PlacedDocument placed = layOutDocument(document, measure, 0.0);
    QStringList result;
    for (const PlacedPage &page : placed.pages) {
        for (const PlacedLine &line : page.lines) {
            QString text;
            for (const PlacedRun &run : line.runs) {
                const auto start = static_cast<qsizetype>(std::lround(run.x));
                if (text.size() < start + run.text.size()) {
                    text.resize(start + run.text.size(), QLatin1Char(' '));
                }
                text.replace(start, run.text.size(), run.text);
            }
            while (text.endsWith(QLatin1Char(' '))) {
                text.chop(1);
            }
            result.append(text);
        }
    }
    return result;
}

QByteArray renderText(const QList<PrintDocument> &documents)
{
    QString text;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (i > 0) {
            text += QLatin1String("\f\n");
        }
        for (const QString &line : textLines(documents.at(i))) {
            text += line + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}
