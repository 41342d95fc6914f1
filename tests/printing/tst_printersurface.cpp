#include "PdfPages.h"
#include "platform/Controls.h"
#include "printing/PdfOutput.h"
#include "printing/PrinterSurface.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

namespace
{

PrintDocument linesDocument(int count)
{
    PrintDocument document;
    document.setFontName("Times New Roman");
    document.setFontSize(12);
    for (int i = 1; i <= count; ++i) {
        document.print(PrintLine().number(i).text(")", PrintSeparator::Zone).text("line"));
    }
    document.endDocument();
    return document;
}

} // namespace

class tst_PrinterSurface : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void averageWidthOfTheSerifFace_data();
    void averageWidthOfTheSerifFace();
    void pdfPages_data();
    void pdfPages();
};

void tst_PrinterSurface::averageWidthOfTheSerifFace_data()
{
    QTest::addColumn<double>("points");
    QTest::addRow("12 pt") << 12.0;
    QTest::addRow("14 pt") << 14.0;
}

void tst_PrinterSurface::averageWidthOfTheSerifFace()
{
    QFETCH(double, points);
    QFont font("Times New Roman");
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font);
    const double em = points * 96.0 / 72.0;
    // The serif face the set-up installs is metric-compatible with the designed one, whose
    // average character width is 821/2048 of the em.
    const double average = weightedAverageWidth(metrics);
    QVERIFY2(qAbs(average / em - 821.0 / 2048.0) < 0.01, qPrintable(QString::number(average / em)));
    QVERIFY(average < metrics.averageCharWidth());
}

void tst_PrinterSurface::pdfPages_data()
{
    QTest::addColumn<QList<int>>("lineCounts");
    QTest::addColumn<int>("pages");
    QTest::addRow("one short document") << QList<int>{5} << 1;
    QTest::addRow("two documents, a page each") << QList<int>{5, 5} << 2;
    QTest::addRow("a long document continues") << QList<int>{120} << 3;
    QTest::addRow("three worksheets' length") << QList<int>{48, 48, 48} << 3;
}

void tst_PrinterSurface::pdfPages()
{
    QFETCH(QList<int>, lineCounts);
    QFETCH(int, pages);
    QTemporaryDir dir;
    QList<PrintDocument> documents;
    for (int count : lineCounts) {
        documents.append(linesDocument(count));
    }
    const QString path = dir.filePath("sheets.pdf");
    const DeliveryOutcome result = savePdf(documents, path);
    QVERIFY2(result.kind == DeliveryOutcome::Kind::Saved, qPrintable(result.reason));
    QCOMPARE(::pdfPages(path), pages);
}

QTEST_MAIN(tst_PrinterSurface)
#include "tst_printersurface.moc"
