#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/FileOutput.h"
#include "printing/Paper.h"
#include "printing/PrintModel.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The documents as one PDF, each starting on a new page, on the given paper. Empty on failure.
QByteArray renderPdf(const QList<PrintDocument> &documents, const Paper &paper);

// A saved sheet is on the paper of the user's locale unless the caller chooses one.
DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        FileSystem &files = posixFileSystem());
DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        const Paper &paper, FileSystem &files = posixFileSystem());
