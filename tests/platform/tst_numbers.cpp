#include "platform/Numbers.h"

#include <QTest>

class tst_Numbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numberText_data();
    void numberText();
    void numberTextReadsBack_data();
    void numberTextReadsBack();
    void parseNumber_data();
    void parseNumber();
    void roundHalfEven_data();
    void roundHalfEven();
    void printerNumberText_data();
    void printerNumberText();
    void integerText_data();
    void integerText();
};

void tst_Numbers::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("whole") << 7.0 << "7";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative zero") << -0.0 << "0";
    QTest::addRow("two thirds rounded") << 0.67 << "0.67";
    QTest::addRow("sum with noise 1.12 + 0.1") << (1.12 + 0.1) << "1.22";
    QTest::addRow("0.75 + 0.3") << (0.75 + 0.3) << "1.05";
    QTest::addRow("0.01 + 0.4") << (0.01 + 0.4) << "0.41";
    QTest::addRow("largest candidate") << (150.0 + 0.4) << "150.4";
    QTest::addRow("percent 900.4") << (900.0 + 0.4) << "900.4";
    QTest::addRow("hundredth") << 0.01 << "0.01";
    QTest::addRow("negative fraction") << -0.5 << "-0.5";
    QTest::addRow("negative whole") << -145.0 << "-145";
    QTest::addRow("large whole no exponent") << 1e15 << "1000000000000000";
    QTest::addRow("small no exponent") << 1e-5 << "0.00001";
    QTest::addRow("fifteen digits") << (1.0 / 3.0) << "0.333333333333333";
    QTest::addRow("trailing zeros dropped") << 12.5 << "12.5";
}

void tst_Numbers::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::numberText(value), text);
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
    // The drop check compares the caption read back with the stored answer.
    QFETCH(double, value);
    const std::optional<double> back = ::parseNumber(::numberText(value));
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

void tst_Numbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::addRow("1/8 to hundredths") << 1.0 / 8 << 2 << 0.12;
    QTest::addRow("3/8 to hundredths") << 3.0 / 8 << 2 << 0.38;
    QTest::addRow("5/8 to hundredths") << 5.0 / 8 << 2 << 0.62;
    QTest::addRow("7/8 to hundredths") << 7.0 / 8 << 2 << 0.88;
    QTest::addRow("9/8 to hundredths") << 9.0 / 8 << 2 << 1.12;
    QTest::addRow("2/3 to hundredths") << 2.0 / 3 << 2 << 0.67;
    QTest::addRow("1/150 to hundredths") << 1.0 / 150 << 2 << 0.01;
    QTest::addRow("1/3 to thousandths") << 1.0 / 3 << 3 << 0.333;
    QTest::addRow("0.0625 to thousandths") << 0.0625 << 3 << 0.062;
    QTest::addRow("12.25 to tenths") << 12.25 << 1 << 12.2;
    QTest::addRow("12.75 half goes up to even") << 12.75 << 1 << 12.8;
    QTest::addRow("100/3 to tenths") << 100.0 / 3 << 1 << 33.3;
    QTest::addRow("whole stays") << 3.0 << 3 << 3.0;
    QTest::addRow("half to even down") << 2.5 << 0 << 2.0;
    QTest::addRow("half to even up") << 3.5 << 0 << 4.0;
    QTest::addRow("negative half") << -2.5 << 0 << -2.0;
    QTest::addRow("just above half") << 0.5000001 << 0 << 1.0;
}

void tst_Numbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(::roundHalfEven(value, decimals), rounded);
}

void tst_Numbers::printerNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addRow("problem number") << 7.0 << " 7 " << 1;
    QTest::addRow("zero") << 0.0 << " 0 " << 1;
    QTest::addRow("negative") << -12.0 << "-12 " << 3;
    QTest::addRow("fraction below one") << 0.25 << " .25 " << 3;
    QTest::addRow("negative fraction") << -0.5 << "-.5 " << 3;
    QTest::addRow("thousandths") << 0.333 << " .333 " << 4;
    QTest::addRow("seven digits") << 1034289.0 << " 1034289 " << 7;
    QTest::addRow("tenths") << 33.3 << " 33.3 " << 4;
}

void tst_Numbers::printerNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(int, length);
    QCOMPARE(::printerNumberText(value), text);
    QCOMPARE(printedLength(value), length);
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
