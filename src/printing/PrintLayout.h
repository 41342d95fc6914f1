#pragma once

#include "printing/PrintModel.h"

#include <QList>
#include <QString>

// How a surface measures text in its current font. Distances are in the surface's own units.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual void setFont(const QString &family, double points) = 0;
    virtual double averageCharWidth() const = 0;
    virtual double width(const QString &text) const = 0;
    virtual double lineHeight() const = 0;
};

// A piece of text at its place on a line, with the font it is printed in.
struct PlacedRun {
    QString text;
    double x = 0.0;
    QString fontName;
    double fontSize = 0.0;
};

struct PlacedLine {
    double y = 0.0;
    QList<PlacedRun> runs;
};

struct PlacedPage {
    QList<PlacedLine> lines;
};

struct PlacedDocument {
    QList<PlacedPage> pages;
};

// Print zones are this many columns wide: they begin at columns 1, 15, 29, ...
constexpr int kPrintZoneColumns = 14;

// Places every item of a document. Column n begins (n - 1) average character widths of the
// current font from the left edge; a line that would run past pageHeight starts a new page
// (pageHeight <= 0: one endless page). The measure's font follows the document's font changes.
PlacedDocument layOutDocument(const PrintDocument &document, TextMeasure &measure,
                              double pageHeight);
