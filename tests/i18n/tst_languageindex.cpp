#include <QLocale>
#include <QTest>

#include "i18n/LanguageIndex.h"

class LanguageIndexTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void fromStored_data();
    void fromStored();
    void fileName_data();
    void fileName();
};

void LanguageIndexTest::fromStored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");

    const auto row = [](const char *name, const char *stored, int index) {
        QTest::newRow(name) << QString::fromUtf8(stored) << index;
    };
    row("French", "0", 0);
    row("English", "1", 1);
    row("Spanish", "2", 2);
    row("empty", "", 0);
    row("not a number", "abc", 0);
    row("number then text", "1abc", 1);
    row("blanks", " 2 ", 2);
    row("rounds up", "2.6", 3);
    row("rounds down", "1.4", 1);
    row("half goes to even, up", "1.5", 2);
    row("half goes to even, down", "2.5", 2);
    row("no language file but kept", "7", 7);
    row("largest kept", "255", 255);
    row("largest after rounding", "255.5", 0);
    row("just below the largest half", "254.5", 254);
    row("beyond 255", "256", 0);
    row("far beyond", "300", 0);
    row("negative", "-1", 0);
    row("small negative rounds to 0", "-0.4", 0);
    row("hexadecimal", "&H2", 2);
}

void LanguageIndexTest::fromStored()
{
    QFETCH(QString, stored);
    QFETCH(int, index);
    QCOMPARE(int(languageIndexFromStored(stored)), index);
}

void LanguageIndexTest::fileName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("French") << 0 << QStringLiteral("langFr.txt");
    QTest::newRow("English") << 1 << QStringLiteral("langEn.txt");
    QTest::newRow("Spanish") << 2 << QStringLiteral("langSp.txt");
    QTest::newRow("first without a file") << 7 << QString();
    QTest::newRow("largest") << 255 << QString();
}

void LanguageIndexTest::fileName()
{
    QFETCH(int, index);
    QFETCH(QString, fileName);
    QCOMPARE(languageFileName(LanguageIndex(index)), fileName);
}

QTEST_GUILESS_MAIN(LanguageIndexTest)
#include "tst_languageindex.moc"
