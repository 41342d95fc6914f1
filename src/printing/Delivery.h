#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/PrintModel.h"
#include "printing/PrinterService.h"

#include <QList>

// One job per document on the default printer. Stops at the first job that is not accepted;
// the outcome then still lists the jobs accepted before it.
DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents);

// Follows the accepted jobs of a Printed outcome until each is done or one fails, asking every
// pollMs and giving up waiting after waitMs (the jobs stay queued). Returns the outcome to report.
DeliveryOutcome waitForJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                            int pollMs = 500);
