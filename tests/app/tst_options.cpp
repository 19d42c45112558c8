#include <QtTest>

#include "app/Options.h"

using Mode = Options::Mode;

class TestOptions final : public QObject
{
    Q_OBJECT

private slots:
    // Every mode must see the folder asked for, and a run does one thing:
    // the first mode of this order that the command line names.
    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<bool>("ownStyle"); // a style asked for, which the program keeps
        QTest::newRow("window") << "--data-dir d" << Mode::Window << "d" << false;
        QTest::newRow("render") << "--render o.png --data-dir=d" << Mode::Render << "d" << false;
        QTest::newRow("report") << "--report x.ini --data-dir d --json" << Mode::Report << "d" << false;
        QTest::newRow("update") << "--update --data-dir d" << Mode::Update << "d" << false;
        QTest::newRow("sheet") << "--sheet o.pdf --data-dir d" << Mode::Sheet << "d" << false;
        QTest::newRow("pool ranking") << "--pool-ranking --json --data-dir d" << Mode::PoolRanking << "d" << false;
        QTest::newRow("version first") << "--report x.ini --version" << Mode::Version << "" << false;
        QTest::newRow("report before update") << "--update --report x.ini" << Mode::Report << "" << false;
        QTest::newRow("update before sheet") << "--sheet o.pdf --update" << Mode::Update << "" << false;
        QTest::newRow("sheet before render") << "--render o.png --sheet o.pdf" << Mode::Sheet << "" << false;
        QTest::newRow("qt platform") << "-platform offscreen --data-dir d" << Mode::Window << "d" << false;
        QTest::newRow("qt double dash")
            << "--platform offscreen --render o.png --data-dir d" << Mode::Render << "d" << false;
        QTest::newRow("qt style joined")
            << "-style=fusion --widgetcount -reverse --data-dir d" << Mode::Window << "d" << true;
        QTest::newRow("qt style") << "--style Windows --data-dir d" << Mode::Window << "d" << true;
        QTest::newRow("qt style sheet") << "-stylesheet s.qss --data-dir d" << Mode::Window << "d" << false;
        QTest::newRow("qt value not ours") << "-platform --data-dir --data-dir d" << Mode::Window << "d" << false;
    }
    void parse()
    {
        QFETCH(QString, line);
        QFETCH(Mode, mode);
        QFETCH(QString, dataDir);
        QFETCH(bool, ownStyle);
        const Options options = Options::parse(QStringList{QStringLiteral("vylora")} + line.split(u' '));
        QCOMPARE(options.error, QString());
        QCOMPARE(options.mode, mode);
        QCOMPARE(options.dataDir, dataDir);
        QCOMPARE(options.ownStyle, ownStyle);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("folder missing") << "--data-dir";
        QTest::newRow("unknown option") << "--report x.ini --colour";
        QTest::newRow("qt value missing") << "--data-dir d -platform";
        QTest::newRow("qt value never joined") << "-platform=offscreen";
        QTest::newRow("qt name prefix") << "-platformx offscreen";
    }
    void refused()
    {
        QFETCH(QString, line);
        QVERIFY(!Options::parse(QStringList{QStringLiteral("vylora")} + line.split(u' ')).error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
