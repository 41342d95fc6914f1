#pragma once

#include "printing/PrintLayout.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A surface of fixed columns: every character is one column wide and every line one line high,
// so an item placed at column n starts at character n. Font changes leave no trace.
class TextMeasureOneColumn final : public TextMeasure
{
public:
    void setFont(const QString &, double) override {}
    double averageCharWidth() const override { return 1.0; }
    double width(const QString &text) const override { return static_cast<double>(text.size()); }
    double lineHeight() const override { return 1.0; }
};

// Each printed line as one text line: blanks fill the gaps, trailing blanks are dropped.
QStringList textLines(const PrintDocument &document);

// The documents as plain text, a form feed line between two documents.
QByteArray renderText(const QList<PrintDocument> &documents);
