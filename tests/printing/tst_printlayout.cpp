#include "printing/PrintLayout.h"
#include "printing/TextSurface.h"

#include <QTest>

namespace
{

QStringList linesOf(const PrintLine &line)
{
    PrintDocument document;
    document.print(line);
    document.endDocument();
    return textLines(document);
}

// A proportional font: digits and letters of their own widths, an average of its own, and a
// size that scales everything, as a printer font does.
class FakeProportionalMeasure final : public TextMeasure
{
public:
    void setFont(const QString &family, double points) override
    {
        fonts.append(family + QLatin1Char('/') + QString::number(points));
        m_scale = points > 0 ? points / 10.0 : 1.0;
    }
    double averageCharWidth() const override { return 5.0 * m_scale; }
    double width(const QString &text) const override
    {
        double total = 0;
        for (QChar c : text) {
            total += c.isDigit() ? 5.0 : c == QLatin1Char(' ') ? 2.5 : c.isUpper() ? 8.0 : 4.0;
        }
        return total * m_scale;
    }
    double lineHeight() const override { return 12.0 * m_scale; }

    QStringList fonts;

private:
    double m_scale = 1.0;
};

} // namespace

class tst_PrintLayout : public QObject
{
    Q_OBJECT
private slots:
    void zoneAfterText_data();
    void zoneAfterText();
    void items_data();
    void items();
    void tabBehindGoesToNextLine();
    void emptyLinesAndFontChangesLeaveNoTrace();
    void endSeparatorInsideALine();
    void proportionalColumns_data();
    void proportionalColumns();
    void fontSizeChangesTheColumnWidth();
    void linesPastThePageBottomContinueOnANewPage_data();
    void linesPastThePageBottomContinueOnANewPage();
    void modelEquality();
    void textSheetsApart();
};

void tst_PrintLayout::zoneAfterText_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("column");
    // Zones start at 1, 15, 29, 43, 57; the next one is strictly right of the position.
    const int columns[] = {
        15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, // 0 to 13 characters
        29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, // 14 to 27
        43, 43, 43, 43, 43, 43, 43, 43, 43, 43, 43, 43, 43, 43, // 28 to 41
        57, 57, 57, 57,                                         // 42 to 45
    };
    for (int length = 0; length <= 45; ++length) {
        QTest::addRow("text of %d characters", length) << length << columns[length];
    }
}

void tst_PrintLayout::zoneAfterText()
{
    QFETCH(int, length);
    QFETCH(int, column);
    const QStringList lines = linesOf(
        PrintLine().text(QString(length, QLatin1Char('a')), PrintSeparator::Zone).text("X"));
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).indexOf(QLatin1Char('X')) + 1, column);
}

void tst_PrintLayout::items_data()
{
    QTest::addColumn<PrintLine>("line");
    QTest::addColumn<QString>("text");

    QTest::addRow("one lone zone") << PrintLine().zone().text("X") << QString(14, ' ') + "X";
    QTest::addRow("two lone zones")
        << PrintLine().zone().zone().text("X") << QString(28, ' ') + "X";
    QTest::addRow("three lone zones")
        << PrintLine().zone().zone().zone().text("X") << QString(42, ' ') + "X";
    QTest::addRow("lone zone after a zone separator")
        << PrintLine().text("ab", PrintSeparator::Zone).zone().text("X")
        << "ab" + QString(26, ' ') + "X";
    QTest::addRow("text then text") << PrintLine().text("NAME: ").text("___") << "NAME: ___";
    QTest::addRow("tab forward") << PrintLine().text("ab").tab(10).text("X")
                                 << "ab" + QString(7, ' ') + "X";
    QTest::addRow("tab to the current column stays")
        << PrintLine().text("abcd").tab(5).text("X") << "abcdX";
    QTest::addRow("tab to column 1") << PrintLine().tab(1).text("X") << "X";
    QTest::addRow("positive whole number") << PrintLine().text("A").number(7).text("B") << "A 7 B";
    QTest::addRow("zero") << PrintLine().text("A").number(0).text("B") << "A 0 B";
    QTest::addRow("negative whole number")
        << PrintLine().text("A").number(-12).text("B") << "A-12 B";
    QTest::addRow("positive fraction") << PrintLine().text("A").number(0.25).text("B") << "A .25 B";
    QTest::addRow("negative fraction") << PrintLine().text("A").number(-0.5).text("B") << "A-.5 B";
    QTest::addRow("fraction above one")
        << PrintLine().text("A").number(12.2).text("B") << "A 12.2 B";
    QTest::addRow("number then zone")
        << PrintLine().number(7, PrintSeparator::Zone).text("X") << " 7 " + QString(11, ' ') + "X";
    QTest::addRow("trailing blank of a number dropped") << PrintLine().number(7) << " 7";
    QTest::addRow("tab then number ends in the column")
        << PrintLine().tab(30 - 3).number(123) << QString(27, ' ') + "123";
    QTest::addRow("empty text item") << PrintLine().text("") << "";
}

void tst_PrintLayout::items()
{
    QFETCH(PrintLine, line);
    QFETCH(QString, text);
    QCOMPARE(linesOf(line), QStringList{text});
}

void tst_PrintLayout::tabBehindGoesToNextLine()
{
    const QStringList lines =
        linesOf(PrintLine().text("abcdefghij").tab(5).text("X").tab(3).text("Y"));
    QCOMPARE(lines, (QStringList{"abcdefghij", "    X", "  Y"}));
}

void tst_PrintLayout::emptyLinesAndFontChangesLeaveNoTrace()
{
    PrintDocument document;
    document.setFontName("Times New Roman");
    document.setFontSize(14);
    document.emptyLine();
    document.print(PrintLine().text("a"));
    document.setFontSize(12);
    document.emptyLine();
    document.print(PrintLine().text("b"));
    document.endDocument();
    QCOMPARE(textLines(document), (QStringList{"", "a", "", "b"}));
}

void tst_PrintLayout::endSeparatorInsideALine()
{
    const QStringList lines =
        linesOf(PrintLine().text("a", PrintSeparator::End).text("b").tab(4).text("c"));
    QCOMPARE(lines, (QStringList{"a", "b  c"}));
}

void tst_PrintLayout::proportionalColumns_data()
{
    QTest::addColumn<PrintLine>("line");
    QTest::addColumn<QList<double>>("xs");

    // Average width 5: column n begins at 5 * (n - 1); zones every 70.
    QTest::addRow("tab to column 3") << PrintLine().tab(3).text("a") << QList<double>{10};
    QTest::addRow("zone after narrow text")
        << PrintLine().text("ab", PrintSeparator::Zone).text("c") << QList<double>{0, 70};
    QTest::addRow("zone after wide text passes the first zone")
        << PrintLine().text("ABCDEFGHI", PrintSeparator::Zone).text("c")
        << QList<double>{0, 140}; // 72 wide: the next zone is at 140
    QTest::addRow("lone zone") << PrintLine().zone().text("a") << QList<double>{70};
    QTest::addRow("number measured with its blanks")
        << PrintLine().number(12).text("a") << QList<double>{0, 15};
    QTest::addRow("tab behind measured in average widths")
        << PrintLine().text("AB").tab(3).text("a") << QList<double>{0, 10};
}

void tst_PrintLayout::proportionalColumns()
{
    QFETCH(PrintLine, line);
    QFETCH(QList<double>, xs);
    PrintDocument document;
    document.print(line);
    FakeProportionalMeasure measure;
    const PlacedDocument placed = layOutDocument(document, measure, 0);
    QList<double> actual;
    for (const PlacedLine &placedLine : placed.pages.at(0).lines) {
        for (const PlacedRun &run : placedLine.runs) {
            actual.append(run.x);
        }
    }
    QCOMPARE(actual, xs);
}

void tst_PrintLayout::fontSizeChangesTheColumnWidth()
{
    PrintDocument document;
    document.setFontName("Serif");
    document.setFontSize(20);
    document.print(PrintLine().tab(3).text("a"));
    document.setFontSize(10);
    document.print(PrintLine().tab(3).text("b"));
    document.endDocument();
    FakeProportionalMeasure measure;
    const PlacedDocument placed = layOutDocument(document, measure, 0);
    const QList<PlacedLine> &lines = placed.pages.at(0).lines;
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).runs.at(0).x, 20.0);
    QCOMPARE(lines.at(0).runs.at(0).fontName, QString("Serif"));
    QCOMPARE(lines.at(0).runs.at(0).fontSize, 20.0);
    QCOMPARE(lines.at(1).runs.at(0).x, 10.0);
    QCOMPARE(lines.at(1).y, 24.0);
    QCOMPARE(lines.at(1).runs.at(0).fontSize, 10.0);
    QCOMPARE(measure.fonts, (QStringList{"Serif/0", "Serif/20", "Serif/10"}));
}

void tst_PrintLayout::linesPastThePageBottomContinueOnANewPage_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<double>("pageHeight");
    QTest::addColumn<QList<int>>("linesPerPage");

    // Lines are 12 high at the fake measure's default size.
    QTest::addRow("all on one page") << 3 << 36.0 << QList<int>{3};
    QTest::addRow("one line too many") << 4 << 36.0 << QList<int>{3, 1};
    QTest::addRow("three pages") << 7 << 30.0 << QList<int>{2, 2, 2, 1};
    QTest::addRow("endless page") << 50 << 0.0 << QList<int>{50};
    QTest::addRow("page lower than a line still takes one") << 2 << 5.0 << QList<int>{1, 1};
}

void tst_PrintLayout::linesPastThePageBottomContinueOnANewPage()
{
    QFETCH(int, lineCount);
    QFETCH(double, pageHeight);
    QFETCH(QList<int>, linesPerPage);
    PrintDocument document;
    for (int i = 0; i < lineCount; ++i) {
        document.print(PrintLine().text(QString::number(i)));
    }
    document.endDocument();
    FakeProportionalMeasure measure;
    const PlacedDocument placed = layOutDocument(document, measure, pageHeight);
    QList<int> actual;
    for (const PlacedPage &page : placed.pages) {
        actual.append(static_cast<int>(page.lines.size()));
        QCOMPARE(page.lines.first().y, 0.0);
    }
    QCOMPARE(actual, linesPerPage);
}

void tst_PrintLayout::modelEquality()
{
    PrintDocument a;
    a.print(PrintLine().text("x").number(1, PrintSeparator::Zone).tab(4).zone());
    PrintDocument b = a;
    QVERIFY(a == b);
    QVERIFY(!a.isEnded());
    b.endDocument();
    QVERIFY(b.isEnded());
    QVERIFY(!(a == b));
    PrintDocument c;
    c.print(PrintLine().text("x").number(1).tab(4).zone());
    QVERIFY(!(a == c));
    QCOMPARE(a.commands().size(), 1);
    QCOMPARE(a.commands().at(0).kind, PrintCommand::Kind::Line);
    QCOMPARE(a.commands().at(0).line, b.commands().at(0).line);
    QVERIFY(a.commands().at(0).line != c.commands().at(0).line);
    // Two tabs differ by their column, as two texts differ by their words.
    QVERIFY(PrintLine().tab(4) != PrintLine().tab(5));
}

// On the text surface each sheet after the first starts on a new page: a form feed on a line
// of its own between two sheets, none before the first or after the last.
void tst_PrintLayout::textSheetsApart()
{
    PrintDocument first;
    first.print(PrintLine().text("first"));
    first.endDocument();
    PrintDocument second;
    second.print(PrintLine().text("second"));
    second.endDocument();
    QCOMPARE(renderText({first}), QByteArray("first\n"));
    QCOMPARE(renderText({first, second}), QByteArray("first\n\f\nsecond\n"));
}

QTEST_GUILESS_MAIN(tst_PrintLayout)
#include "tst_printlayout.moc"
