#pragma once

#include "printing/PrintModel.h"

#include <QList>
#include <QString>

class QFontMetricsF;
class QPagedPaintDevice;
class QPainter;

// Paints documents on a painter that is already active on device, from the top left of the
// printable area; every page after the painter's first is started with newPage(). False when a
// page could not be started.
bool paintDocuments(QPainter &painter, QPagedPaintDevice &device,
                    const QList<PrintDocument> &documents);

// The average character width as fonts defined it before it became the mean of every glyph:
// lower-case letters and the blank weighted by their frequency in English text. Newer fonts
// record the mean over all their glyphs, which is far wider and would spread the columns.
double weightedAverageWidth(const QFontMetricsF &metrics);
