#pragma once

#include "platform/PrintModel.h"

#include <QList>
#include <QString>

class QFontMetricsF;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// What came of sending documents to a printer or a file; the message says what failed.
struct PrintResult {
    bool ok = true;
    QString error;

    static PrintResult success() { return {}; }
    static PrintResult failure(const QString &message) { return {false, message}; }
};

// Where the request window sends its worksheets. Tests put a recorder in its place.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    virtual bool hasDefaultPrinter() const = 0;
    // One job on the system's default printer.
    virtual PrintResult printOnDefaultPrinter(const PrintDocument &document) = 0;
    // One PDF file, each document starting on a new page. The file appears only when complete.
    virtual PrintResult savePdf(const QList<PrintDocument> &documents, const QString &path) = 0;
};

// The system's printers through Qt PrintSupport, and PDF files through QPdfWriter.
class SystemPrintTarget final : public PrintTarget
{
public:
    bool hasDefaultPrinter() const override;
    PrintResult printOnDefaultPrinter(const PrintDocument &document) override;
    PrintResult savePdf(const QList<PrintDocument> &documents, const QString &path) override;
};

// Paints documents on a painter that is already active on device, from the top left of the
// printable area; every page after the painter's first is started with newPage().
PrintResult paintDocuments(QPainter &painter, QPagedPaintDevice &device,
                           const QList<PrintDocument> &documents);

// The average character width as fonts defined it before it became the mean of every glyph:
// lower-case letters and the blank weighted by their frequency in English text. Newer fonts
// record the mean over all their glyphs, which is far wider and would spread the columns.
double weightedAverageWidth(const QFontMetricsF &metrics);

PrintResult printDocumentOn(QPrinter &printer, const PrintDocument &document);
PrintResult writePdfFile(const QList<PrintDocument> &documents, const QString &path);
