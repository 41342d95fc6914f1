#include "printing/PdfOutput.h"

#include "printing/DeliveryText.h"
#include "printing/PrinterSurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

QByteArray renderPdf(const QList<PrintDocument> &documents, const Paper &paper)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("Delivery", "Worksheet"));
        writer.setCreator(QStringLiteral("Sumtopia"));
        writer.setPageSize(QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return QByteArray();
        }
        const bool painted = paintDocuments(painter, writer, documents);
        if (!painter.end() || !painted) {
            return QByteArray();
        }
    }
    return bytes;
}

DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        FileSystem &files)
{
    return savePdf(documents, path, localePaper(), files);
}

DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        const Paper &paper, FileSystem &files)
{
    const QByteArray pdf = renderPdf(documents, paper);
    if (pdf.isEmpty()) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::WriteFailed,
                                       DeliveryText::pagesNotDrawn(path));
    }
    return saveFile(path, pdf, files);
}
