#include "platform/Numbers.h"

#include <QTest>

class tst_Numbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numberForms_data();
    void numberForms();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
    void parseNumber_data();
    void parseNumber();
    void roundedQuotient_data();
    void roundedQuotient();
    void integerText_data();
    void integerText();
};

void tst_Numbers::numberForms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("length");
    const auto form = [](const char *name, double value, const char *locale, const char *screen,
                         const char *paper, int length) {
        QTest::newRow(name) << value << QString::fromLatin1(locale) << QString::fromLatin1(screen)
                            << QString::fromLatin1(paper) << length;
    };
    // Where the separator is a point, the forms stay as designed: a zero before it on screen,
    // none on paper.
    form("C whole", 7.0, "C", "7", " 7 ", 1);
    form("C zero", 0.0, "C", "0", " 0 ", 1);
    form("C negative zero", -0.0, "C", "0", " 0 ", 1);
    form("C two thirds rounded", 0.67, "C", "0.67", " .67 ", 3);
    form("C sum with noise 1.12 + 0.1", (1.12 + 0.1), "C", "1.22", " 1.22 ", 4);
    form("C 0.75 + 0.3", (0.75 + 0.3), "C", "1.05", " 1.05 ", 4);
    form("C 0.01 + 0.4", (0.01 + 0.4), "C", "0.41", " .41 ", 3);
    form("C largest candidate", (150.0 + 0.4), "C", "150.4", " 150.4 ", 5);
    form("C hundredth", 0.01, "C", "0.01", " .01 ", 3);
    form("C negative fraction", -0.5, "C", "-0.5", "-.5 ", 3);
    form("C negative whole", -12.0, "C", "-12", "-12 ", 3);
    form("C large whole no exponent", 1e15, "C", "1000000000000000", " 1000000000000000 ", 16);
    form("C small no exponent", 1e-5, "C", "0.00001", " .00001 ", 6);
    form("C fifteen digits", (1.0 / 3.0), "C", "0.333333333333333", " .333333333333333 ", 16);
    form("C thousandths", 0.333, "C", "0.333", " .333 ", 4);
    form("C seven digits", 1034289.0, "C", "1034289", " 1034289 ", 7);
    form("en_US below one", 0.94, "en_US", "0.94", " .94 ", 3);
    form("en_US four digits ungrouped", 1306.0, "en_US", "1306", " 1306 ", 4);
    form("en_US half", 12.5, "en_US", "12.5", " 12.5 ", 4);
    // Elsewhere the locale's separator, and on paper the zero its readers expect before it.
    form("de_DE below one", 0.94, "de_DE", "0,94", " 0,94 ", 4);
    form("de_DE thousandths", 1.306, "de_DE", "1,306", " 1,306 ", 5);
    form("de_DE four digits ungrouped", 1306.0, "de_DE", "1306", " 1306 ", 4);
    form("de_DE half", 7.5, "de_DE", "7,5", " 7,5 ", 3);
    form("de_DE drill candidate", 71.43, "de_DE", "71,43", " 71,43 ", 5);
    form("de_DE negative fraction", -0.5, "de_DE", "-0,5", "-0,5 ", 4);
    form("de_DE negative whole", -145.0, "de_DE", "-145", "-145 ", 4);
    form("de_DE zero", 0.0, "de_DE", "0", " 0 ", 1);
    form("fr_FR below one", 0.062, "fr_FR", "0,062", " 0,062 ", 5);
    form("fr_FR seven digits ungrouped", 1034289.0, "fr_FR", "1034289", " 1034289 ", 7);
    form("fr_FR tenths", 33.3, "fr_FR", "33,3", " 33,3 ", 4);
    form("es_ES below one", 0.25, "es_ES", "0,25", " 0,25 ", 4);
    form("es_ES five digits ungrouped", 15000.0, "es_ES", "15000", " 15000 ", 5);
    form("es_ES negative", -0.88, "es_ES", "-0,88", "-0,88 ", 5);
}

void tst_Numbers::numberForms()
{
    QFETCH(double, value);
    QFETCH(QString, locale);
    QFETCH(QString, screen);
    QFETCH(QString, paper);
    QFETCH(int, length);
    const QLocale numbers(locale);
    QCOMPARE(::numberText(value, numbers), screen);
    QCOMPARE(::printerNumberText(value, numbers), paper);
    QCOMPARE(::printedLength(value, numbers), length);
}

void tst_Numbers::numberTextReadsBack_data()
{
    QTest::addColumn<double>("value");
    for (int hundredths = 1; hundredths <= 15040; hundredths += 37) {
        const double value = hundredths / 100.0;
        QTest::addRow("%d hundredths", hundredths) << value;
    }
}

void tst_Numbers::numberTextReadsBack()
{
    // Fifteen digits always name the very double that was written.
    QFETCH(double, value);
    const std::optional<double> back = ::parseNumber(::numberText(value, QLocale::c()));
    QVERIFY(back.has_value());
    QCOMPARE(*back, value);
}

void tst_Numbers::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::addRow("plain") << "3" << true << 3.0;
    QTest::addRow("leading blank") << " 3" << true << 3.0;
    QTest::addRow("blanks around") << "  4  " << true << 4.0;
    QTest::addRow("tab after") << "1\t" << true << 1.0;
    QTest::addRow("decimal") << "3.0" << true << 3.0;
    QTest::addRow("plus sign") << "+2" << true << 2.0;
    QTest::addRow("negative") << "-1" << true << -1.0;
    QTest::addRow("leading point") << ".5" << true << 0.5;
    QTest::addRow("trailing point") << "3." << true << 3.0;
    QTest::addRow("fraction") << "1.5" << true << 1.5;
    QTest::addRow("word") << "two" << false << 0.0;
    QTest::addRow("digits then letters") << "3abc" << false << 0.0;
    QTest::addRow("empty") << "" << false << 0.0;
    QTest::addRow("blank only") << "   " << false << 0.0;
    QTest::addRow("sign only") << "-" << false << 0.0;
    QTest::addRow("point only") << "." << false << 0.0;
    QTest::addRow("two points") << "1.2.3" << false << 0.0;
    QTest::addRow("inner blank") << "1 2" << false << 0.0;
    QTest::addRow("exponent") << "1e3" << false << 0.0;
    QTest::addRow("infinity word") << "inf" << false << 0.0;
    QTest::addRow("nan word") << "nan" << false << 0.0;
    QTest::addRow("comma decimal") << "3,5" << false << 0.0;
    QTest::addRow("digit then emoji") << QString::fromUtf8("3🦊") << false << 0.0;
    QTest::addRow("arabic-indic digits") << QString::fromUtf8("\u0663") << false << 0.0;
    QTest::addRow("overflowing digits") << QString(400, QLatin1Char('9')) << false << 0.0;
}

void tst_Numbers::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> parsed = ::parseNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber) {
        QCOMPARE(*parsed, value);
    }
}

void tst_Numbers::roundedQuotient_data()
{
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<QString>("printed");
    QTest::addRow("1/8 to hundredths") << 1LL << 8LL << 2 << 0.12 << ".12";
    QTest::addRow("3/8 to hundredths") << 3LL << 8LL << 2 << 0.38 << ".38";
    QTest::addRow("5/8 to hundredths") << 5LL << 8LL << 2 << 0.62 << ".62";
    QTest::addRow("7/8 to hundredths") << 7LL << 8LL << 2 << 0.88 << ".88";
    QTest::addRow("9/8 to hundredths") << 9LL << 8LL << 2 << 1.12 << "1.12";
    QTest::addRow("2/3 to hundredths") << 2LL << 3LL << 2 << 0.67 << ".67";
    QTest::addRow("1/150 to hundredths") << 1LL << 150LL << 2 << 0.01 << ".01";
    QTest::addRow("23/40 = 0.575 half to even") << 23LL << 40LL << 2 << 0.58 << ".58";
    QTest::addRow("49/40 = 1.225 half to even") << 49LL << 40LL << 2 << 1.22 << "1.22";
    QTest::addRow("322/160 = 2.0125 to 2.012") << 322LL << 160LL << 3 << 2.012 << "2.012";
    QTest::addRow("161/80 = 2.0125 to 2.012") << 161LL << 80LL << 3 << 2.012 << "2.012";
    QTest::addRow("51 of 80 = 63.75 per cent to 63.8") << 5100LL << 80LL << 1 << 63.8 << "63.8";
    QTest::addRow("49 of 80 = 61.25 per cent to 61.2") << 4900LL << 80LL << 1 << 61.2 << "61.2";
    QTest::addRow("0.0625 to .062") << 1LL << 16LL << 3 << 0.062 << ".062";
    QTest::addRow("12.25 to 12.2") << 1225LL << 100LL << 1 << 12.2 << "12.2";
    QTest::addRow("12.75 half up to even") << 1275LL << 100LL << 1 << 12.8 << "12.8";
    QTest::addRow("1/3 to thousandths") << 1LL << 3LL << 3 << 0.333 << ".333";
    QTest::addRow("100/3 to tenths") << 100LL << 3LL << 1 << 33.3 << "33.3";
    QTest::addRow("whole stays") << 12LL << 4LL << 3 << 3.0 << "3";
    QTest::addRow("zero numerator") << 0LL << 7LL << 1 << 0.0 << "0";
    QTest::addRow("half to even down") << 5LL << 2LL << 0 << 2.0 << "2";
    QTest::addRow("half to even up") << 7LL << 2LL << 0 << 4.0 << "4";
    QTest::addRow("negative half") << -5LL << 2LL << 0 << -2.0 << "-2";
    QTest::addRow("negative denominator") << 7LL << -8LL << 2 << -0.88 << "-.88";
    QTest::addRow("just above half") << 5000001LL << 10000000LL << 0 << 1.0 << "1";
    QTest::addRow("just below half") << 4999999LL << 10000000LL << 0 << 0.0 << "0";
    QTest::addRow("largest percent drill") << 15000LL << 1LL << 2 << 15000.0 << "15000";
}

void tst_Numbers::roundedQuotient()
{
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QFETCH(QString, printed);
    const double value = ::roundedQuotient(numerator, denominator, decimals);
    QCOMPARE(value, rounded);
    QCOMPARE(::printerNumberText(value, QLocale::c()).trimmed(), printed);
    // The text names the very same double.
    QCOMPARE(*::parseNumber(::numberText(value, QLocale::c())), value);
}

void tst_Numbers::integerText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("positive") << 42 << "42";
    QTest::addRow("negative") << -145 << "-145";
    QTest::addRow("zero") << 0 << "0";
    QTest::addRow("largest candidate") << 22520 << "22520";
}

void tst_Numbers::integerText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(::integerText(value), text);
}

QTEST_GUILESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
