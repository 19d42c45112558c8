#include <cmath>

#include <QLocale>
#include <QTest>

#include "tournament/NumericValue.h"

class TestNumericValue final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void numericValue_data();
    void numericValue();
    void isPlayed_data();
    void isPlayed();
    void formatNumber_data();
    void formatNumber();
    void formatNumberUsesTheUserDecimalSeparator_data();
    void formatNumberUsesTheUserDecimalSeparator();
};

void TestNumericValue::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain digits") << QStringLiteral("3") << 3.0;
    QTest::newRow("blanks between digits") << QStringLiteral("  1 2") << 12.0;
    QTest::newRow("tab inside") << QStringLiteral("1\t2") << 12.0;
    QTest::newRow("line feed inside") << QStringLiteral("1\n2") << 12.0;
    QTest::newRow("blank between sign and digits") << QStringLiteral("- 3") << -3.0;
    QTest::newRow("blanks inside an exponent") << QStringLiteral("1 e 2") << 100.0;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
    QTest::newRow("plus sign") << QStringLiteral("+4") << 4.0;
    QTest::newRow("second point ends the number") << QStringLiteral("2.5.1") << 2.5;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("comma is never a decimal point") << QStringLiteral("2,5") << 2.0;
    QTest::newRow("exponent") << QStringLiteral("1e2") << 100.0;
    QTest::newRow("capital exponent") << QStringLiteral("1E3") << 1000.0;
    QTest::newRow("signed exponent") << QStringLiteral("1e-2") << 0.01;
    QTest::newRow("decimal with exponent") << QStringLiteral("1.5e1") << 15.0;
    QTest::newRow("exponent without digits is dropped") << QStringLiteral("1e") << 1.0;
    QTest::newRow("exponent sign without digits is dropped") << QStringLiteral("1e+") << 1.0;
    QTest::newRow("exponent alone is no number") << QStringLiteral("e5") << 0.0;
    QTest::newRow("hexadecimal") << QStringLiteral("&H1F") << 31.0;
    QTest::newRow("hexadecimal in lower case") << QStringLiteral("&h1f") << 31.0;
    QTest::newRow("hexadecimal stops at a non-digit") << QStringLiteral("&HFG") << 15.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("octal stops at 8 or 9") << QStringLiteral("&O19") << 1.0;
    QTest::newRow("ampersand without a radix") << QStringLiteral("&12") << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("empty text") << QString() << 0.0;
    QTest::newRow("trailing letters ignored") << QStringLiteral("3abc") << 3.0;
    QTest::newRow("trailing dash ignored") << QStringLiteral("3-") << 3.0;
    QTest::newRow("dash alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("two signs") << QStringLiteral("--3") << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
}

void TestNumericValue::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(::numericValue(text), expected);
}

void TestNumericValue::isPlayed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("played");

    QTest::newRow("dash means not played") << QStringLiteral("-") << false;
    QTest::newRow("empty text is a played 0") << QString() << true;
    QTest::newRow("zero") << QStringLiteral("0") << true;
    QTest::newRow("two dashes") << QStringLiteral("--") << true;
    QTest::newRow("dash with a blank") << QStringLiteral(" -") << true;
    QTest::newRow("letters") << QStringLiteral("x") << true;
}

void TestNumericValue::isPlayed()
{
    QFETCH(QString, text);
    QFETCH(bool, played);
    QCOMPARE(::isPlayed(text), played);
}

void TestNumericValue::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("decimal") << 2.5 << QStringLiteral("2.5");
    QTest::newRow("negative") << -1.0 << QStringLiteral("-1");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("two digits") << 12.0 << QStringLiteral("12");
    QTest::newRow("no group separator") << 1234567.0 << QStringLiteral("1234567");
    QTest::newRow("no binary noise") << 0.1 + 0.2 << QStringLiteral("0.3");
}

void TestNumericValue::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(::formatNumber(value), expected);
}

void TestNumericValue::formatNumberUsesTheUserDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("German decimal comma") << german << 2.5 << QStringLiteral("2,5");
    QTest::newRow("German, no group separator") << german << 1234567.0 << QStringLiteral("1234567");
    QTest::newRow("Swedish negative keeps the plain minus") << swedish << -2.5 << QStringLiteral("-2,5");
    QTest::newRow("Swedish negative whole number") << swedish << -1.0 << QStringLiteral("-1");
    QTest::newRow("Arabic keeps the chart's digits") << arabic << 12.0 << QStringLiteral("12");
}

void TestNumericValue::formatNumberUsesTheUserDecimalSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);

    QLocale::setDefault(locale);
    const QString text = ::formatNumber(value);
    QCOMPARE(text, expected);
    // A whole number reads back as itself whatever the locale.
    if (value == std::trunc(value))
        QCOMPARE(::numericValue(text), value);
}

QTEST_APPLESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
