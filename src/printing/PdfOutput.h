#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/FileOutput.h"
#include "printing/PrintModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The documents as one PDF, each starting on a new page, on paper of the given size in
// millimetres. Empty on failure.
QByteArray renderPdf(const QList<PrintDocument> &documents, double widthMm = 215.9,
                     double heightMm = 279.4);

DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        FileSystem &files = posixFileSystem());
