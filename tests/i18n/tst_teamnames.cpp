#include "i18n/LanguageLine.h"
#include "tournament/TeamNames.h"

#include <QTest>

// The names table as a language file gives it, and what it shows.
class TestTeamNames final : public QObject
{
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
};

void TestTeamNames::shown_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("known") << QStringLiteral("Afrique du Sud") << QString() << QStringLiteral("South Africa");
    QTest::newRow("known, accented") << QStringLiteral("Corée du Sud") << QString()
                                     << QStringLiteral("South Korea");
    QTest::newRow("unknown: as stored") << QStringLiteral("Atlantide") << QString() << QStringLiteral("Atlantide");
    QTest::newRow("case counts") << QStringLiteral("allemagne") << QString() << QStringLiteral("allemagne");
    QTest::newRow("typed: as typed") << QStringLiteral("Allemagne") << QStringLiteral("Allemagne")
                                     << QStringLiteral("Allemagne");
    QTest::newRow("another name typed")
        << QStringLiteral("Allemagne") << QStringLiteral("Allem") << QStringLiteral("Germany");
    QTest::newRow("empty stays empty") << QString() << QString() << QString();
}

void TestTeamNames::shown()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    TeamNames names;
    for (const QString &line :
         {QStringLiteral("EQU\\Afrique du Sud\\South Africa"), QStringLiteral("EQU\\Corée du Sud\\South Korea"),
          QStringLiteral("EQU\\Allemagne\\Germany"), QStringLiteral("EQU\\\\Nobody")}) {
        const LanguageLine parsed = parseLanguageLine(line);
        if (const auto *name = std::get_if<TeamNameLine>(&parsed))
            names.add(name->stored, name->shown);
    }
    if (!typed.isEmpty())
        names.keepAsTyped(typed);
    QTEST(names.shown(stored), "shown");
}

QTEST_GUILESS_MAIN(TestTeamNames)
#include "tst_teamnames.moc"
