#include "printing/CupsLibrary.h"
#include "printing/CupsPrinterService.h"

#include <QTest>

// Runs with a libcups that lacks one call ahead of the system's on the loader's path: nothing is
// asked of the print server, and the teacher reads what to install.
class tst_CupsLibrary : public QObject
{
    Q_OBJECT
private slots:
    void incompleteLibraryIsTold();
};

void tst_CupsLibrary::incompleteLibraryIsTold()
{
    const QString lacks = "The printing library libcups.so.2 lacks pwgMediaForSize. Install a "
                          "current CUPS client library (libcups2), then try again.";
    QCOMPARE(cups().problem, lacks);
    CupsPrinterService printers(1000);
    const PrinterLookup printer = printers.defaultPrinter();
    QCOMPARE(printer.state, PrinterLookup::State::NoLibrary);
    QCOMPARE(printer.reason, lacks);
}

QTEST_GUILESS_MAIN(tst_CupsLibrary)
#include "tst_cupslibrary.moc"
