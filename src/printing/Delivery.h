#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/PrintModel.h"
#include "printing/PrinterService.h"

#include <QList>
#include <optional>

// One job per document on the default printer, on the paper given or else the printer's. Stops
// at the first job that is not accepted; the outcome then still lists the jobs accepted before it.
DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents,
                               const std::optional<Paper> &paper = std::nullopt);

// Follows the accepted jobs of a Printed outcome until each is done or one fails, asking every
// pollMs and giving up waiting after waitMs (the jobs stay queued). Returns the outcome to report.
// Tells the service when it is done with them.
DeliveryOutcome waitForJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                            int pollMs = 500);
