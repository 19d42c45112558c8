// The predictions window and the ways a prediction gets kept, driven
// through the window with real clicks, keys and a drop.
#include "app/VyloraApp.h"
#include "gui/chart/MainWindow.h"
#include "online/ServerSettings.h"
#include "server/pool/Pool.h"
#include "storage/KeptPredictions.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/LocalUpdateServer.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include <memory>

class TestPredictionsWindow final : public QObject
{
    Q_OBJECT

    QByteArray m_starting;
    QByteArray m_real;
    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 7, 12), QTime(12, 0))};
    UserSettings m_settings;
    std::unique_ptr<VyloraApp> m_app;

    QByteArray chart(const QString &edits) const
    {
        Tournament t;
        enterRealResults(t, m_starting);
        editCells(t, edits);
        // The match notes come along, as in any chart the program saves.
        IniDocument file(m_starting);
        writeChartCells(t, file);
        return file.toBytes();
    }

    void click(const QWidget *root, const QString &name) const
    {
        QWidget *w = findControl(*root, name);
        QVERIFY2(w, qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton);
    }

    static QWidget *predictionsWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Pronostics" && w->isVisible())
                return w;
        return nullptr;
    }

    QTableWidget *openedTable(const QString &name)
    {
        click(&m_app->window(), QStringLiteral("Command22"));
        QWidget *window = predictionsWindow();
        return window ? findControl<QTableWidget>(*window, name) : nullptr;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        m_starting = fileBytes(QFINDTESTDATA("../../data/VYL2010.ini"));
        m_real = chart(QString());
    }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_app.reset();
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), m_real);
        QDir().mkpath(KeptPredictions::folder());
        m_folder->write(QStringLiteral("pronostics/Pierre.ini"), chart(QStringLiteral("ButFIN:0=1;ButFIN:1=0")));
        m_folder->write(QStringLiteral("pronostics/Anne.ini"), chart(QStringLiteral("ButH:10=1;ButH:11=1")));
        m_prompts.clear();
        m_app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        m_app->start();
        m_app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_app->window()));
    }

    void cleanup() { m_app.reset(); }

    void theButtonRanksTheKeptPredictions()
    {
        QTableWidget *ranking = openedTable(QStringLiteral("Ranking"));
        QVERIFY(ranking);
        QCOMPARE(ranking->rowCount(), 2);
        QCOMPARE(ranking->item(0, 0)->text(), QStringLiteral("Anne"));
        QCOMPARE(ranking->item(0, 1)->text(), QStringLiteral("199"));
        QCOMPARE(ranking->item(1, 1)->text(), QStringLiteral("196"));
        QTableWidget *days = findControl<QTableWidget>(*predictionsWindow(), QStringLiteral("MatchDays"));
        QCOMPARE(days->item(6, 1)->text(), QStringLiteral("Anne (13)"));
    }

    void aChosenMatchShowsEveryScoreBesideTheRealOne()
    {
        QTableWidget *scores = openedTable(QStringLiteral("MatchScores"));
        QVERIFY(scores);
        auto *match = findControl<QComboBox>(*predictionsWindow(), QStringLiteral("MatchChoice"));
        QTest::keyClick(match, Qt::Key_End);
        QCOMPARE(scores->item(0, 1)->text(), QStringLiteral("0 - 0"));
        QCOMPARE(scores->item(1, 1)->text(), QStringLiteral("1 - 1"));
        QCOMPARE(scores->item(1, 2)->text(), QStringLiteral("1"));
        QTest::keyClick(match, Qt::Key_Up);
        QCOMPARE(scores->item(1, 2)->text(), QStringLiteral("3"));
    }

    void theMatchChooserNamesTeamsInTheLanguageChosen()
    {
        m_folder->write(QStringLiteral("langEn.txt"), fileBytes(QFINDTESTDATA("../../data/langEn.txt")));
        QTest::keyClicks(findControl(m_app->window(), QStringLiteral("lang")), QStringLiteral("En"));
        QVERIFY(openedTable(QStringLiteral("MatchScores")));
        QCOMPARE(findControl<QComboBox>(*predictionsWindow(), QStringLiteral("MatchChoice"))->itemText(0),
                 QStringLiteral("A : South Africa - Mexico"));
    }

    // The window stays open through the switch: every text of it and of its
    // pool part follows, the teams' names included, without a new click.
    void anOpenWindowFollowsTheSwitch()
    {
        m_folder->write(QStringLiteral("langPt.txt"), fileBytes(QFINDTESTDATA("../../data/langPt.txt")));
        QVERIFY(openedTable(QStringLiteral("MatchScores")));
        QWidget *window = predictionsWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pronostics"));
        QTest::keyClicks(findControl(m_app->window(), QStringLiteral("lang")), QStringLiteral("Po"));
        QCOMPARE(predictionsWindow(), window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Palpites"));
        QCOMPARE(findControl<QPushButton>(*window, QStringLiteral("OpenPrediction"))->text(),
                 QStringLiteral("Abrir"));
        QCOMPARE(findControl<QGroupBox>(*window, QStringLiteral("Pool"))->title(), QStringLiteral("Bolão"));
        QCOMPARE(findControl<QComboBox>(*window, QStringLiteral("MatchChoice"))->itemText(0),
                 QStringLiteral("A : África do Sul - México"));
    }

    void openingAPredictionShowsItWithSavingOff()
    {
        QTableWidget *ranking = openedTable(QStringLiteral("Ranking"));
        QVERIFY(ranking);
        QTest::keyClick(ranking, Qt::Key_Down);
        click(predictionsWindow(), QStringLiteral("OpenPrediction"));
        const MainWindow &window = m_app->window();
        QCOMPARE(findControl<QLabel>(window, QStringLiteral("pod"), 1)->text(), QStringLiteral("Pays-Bas"));
        QVERIFY(!findControl(window, QStringLiteral("Command3"))->isEnabled());

        click(&window, QStringLiteral("Command4"));
        QCOMPARE(findControl<QLabel>(window, QStringLiteral("pod"), 1)->text(), QStringLiteral("Espagne"));
        QVERIFY(findControl(window, QStringLiteral("Command3"))->isEnabled());
    }

    // Join, send the chart as shown, and the ranking read when the window shows.
    void thePoolPartJoinsSendsAndRanks()
    {
        LocalUpdateServer http;
        QDateTime now = QDateTime(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC);
        Pool pool(http.folder(), {}, [&now] { return now; });
        pool.addPages(http.server());
        http.write(QStringLiteral("VYL2010.ini"), m_real);
        QVERIFY(ServerSettings::overrideBaseUrl(http.base()));
        m_settings.setPseudo(QStringLiteral("Moi"));

        QVERIFY(openedTable(QStringLiteral("PoolRanking")));
        const QWidget &window = *predictionsWindow();
        auto *status = findControl<QLabel>(window, QStringLiteral("PoolStatus"));
        click(&window, QStringLiteral("PoolJoin"));
        QTRY_VERIFY(status->text().contains(u"Moi"));
        click(&window, QStringLiteral("PoolSend"));
        QTRY_VERIFY(status->text().startsWith(u"Pris : 48 match(s)"));

        now = QDateTime(QDate(2010, 7, 12), QTime(12, 0), Qt::UTC);
        QTableWidget *ranking = openedTable(QStringLiteral("PoolRanking"));
        QTRY_COMPARE(ranking->rowCount() == 1 ? ranking->item(0, 1)->text() : QString(), QStringLiteral("201"));
        QCOMPARE(ranking->item(0, 0)->text(), QStringLiteral("Moi"));
        ServerSettings::clearOverride();
    }

    // Joined, a second join asks first and, refused, leaves the account.
    void aSecondJoinAsksFirst()
    {
        LocalUpdateServer http;
        Pool pool(http.folder(), {}, [] { return QDateTime(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC); });
        pool.addPages(http.server());
        m_settings.setPseudo(QStringLiteral("Moi"));
        QVERIFY(ServerSettings::overrideBaseUrl(http.base()));
        QVERIFY(openedTable(QStringLiteral("PoolRanking")));
        click(predictionsWindow(), QStringLiteral("PoolJoin"));
        auto *account = findControl<QLabel>(*predictionsWindow(), QStringLiteral("PoolAccount"));
        QTRY_COMPARE(account->text(), QStringLiteral("Inscrit sous Moi"));
        m_prompts.queueAnswer(false);
        click(predictionsWindow(), QStringLiteral("PoolJoin"));
        QCOMPARE(m_prompts.asked().last().kind, AnsweringPrompts::Kind::Question);
        QCOMPARE(http.log().count(QStringLiteral("/pool/join")), 1);
        ServerSettings::clearOverride();
    }

    // A wrong code asks again with the server's reason; the pseudo typed
    // once goes on (a fourth question would be answered with nothing).
    void aWrongCodeAsksAgainKeepingThePseudo()
    {
        LocalUpdateServer http;
        Pool::Settings settings;
        settings.code = "sesame";
        Pool pool(http.folder(), settings, [] { return QDateTime(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC); });
        pool.addPages(http.server());
        QVERIFY(ServerSettings::overrideBaseUrl(http.base()));
        for (const char *typed : {"Moi", "faux", "sesame"})
            m_prompts.queueInput(QString::fromUtf8(typed));
        QVERIFY(openedTable(QStringLiteral("PoolRanking")));
        const QWidget &window = *predictionsWindow();
        click(&window, QStringLiteral("PoolJoin"));
        auto *account = findControl<QLabel>(window, QStringLiteral("PoolAccount"));
        QTRY_COMPARE(account->text(), QStringLiteral("Inscrit sous Moi"));
        QVERIFY(m_prompts.asked().last().text.startsWith(u"Le code du concours est faux."));
        ServerSettings::clearOverride();
    }

    void keepingMyPrediction()
    {
        m_settings.setPseudo(QStringLiteral("Moi"));
        click(&m_app->window(), QStringLiteral("Command6"));
        click(&m_app->window(), QStringLiteral("Command23"));
        const auto input = std::find_if(m_prompts.asked().cbegin(), m_prompts.asked().cend(),
                                        [](const auto &a) { return a.kind == AnsweringPrompts::Kind::Input; });
        QVERIFY(input != m_prompts.asked().cend());
        QCOMPARE(input->initial, QStringLiteral("Moi"));
        QCOMPARE(KeptPredictions::names(),
                 QStringList({QStringLiteral("Anne"), QStringLiteral("Moi"), QStringLiteral("Pierre")}));
        QCOMPARE(fileBytes(KeptPredictions::filePath(QStringLiteral("Moi"))), m_real);
    }

    void addingAFriendsChart_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("replace"); // the answer to the same-name question
        QTest::addColumn<QString>("keptAs");
        QTest::addColumn<QString>("says"); // a part of what the program says

        QTest::newRow("a 2010 chart") << "Zoé.ini" << chart(QStringLiteral("ButB:0=5")) << false << "Zoé"
                                      << "Pronostic gardé";
        QTest::newRow("a chart of 1998") << "Old.ini" << fileBytes(QFINDTESTDATA("../../data/VYL1998.ini")) << false
                                         << "" << "Old.ini est le tableau d'un autre tournoi";
        QTest::newRow("over 1 MiB") << "Big.ini" << QByteArray(1024 * 1024 + 1, 'x') << false << "" << "dépasse 1 Mio";
        QTest::newRow("no chart") << "Page.ini" << QByteArray("<html></html>") << false << ""
                                  << "Page.ini n'est pas un tableau";
        QTest::newRow("same name, kept") << "Anne.ini" << chart(QStringLiteral("ButB:0=5")) << false << "" << "Anne";
        QTest::newRow("same name, replaced") << "Anne.ini" << chart(QStringLiteral("ButB:0=5")) << true << "Anne"
                                             << "Pronostic gardé";
    }

    void addingAFriendsChart()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, replace);
        QFETCH(QString, keptAs);
        QFETCH(QString, says);
        m_folder->write(file, bytes);
        const QByteArray anne = fileBytes(KeptPredictions::filePath(QStringLiteral("Anne")));
        m_prompts.queueOpenFileName(m_folder->filePath(file));
        if (replace)
            m_prompts.queueAnswer(true);
        QVERIFY(openedTable(QStringLiteral("Ranking")));
        click(predictionsWindow(), QStringLiteral("AddPrediction"));

        const AnsweringPrompts::Asked &told = m_prompts.asked().last();
        QCOMPARE(told.kind == AnsweringPrompts::Kind::Notice, !keptAs.isEmpty());
        QVERIFY2(told.text.contains(says), qPrintable(told.text));
        if (!keptAs.isEmpty())
            QCOMPARE(fileBytes(KeptPredictions::filePath(keptAs)), bytes);
        if (keptAs != u"Anne")
            QCOMPARE(fileBytes(KeptPredictions::filePath(QStringLiteral("Anne"))), anne);
        QCOMPARE(KeptPredictions::names().size(), keptAs == u"Zoé" ? 3 : 2);
    }

    void aFileDroppedOnTheWindowIsKept()
    {
        m_folder->write(QStringLiteral("Léa.ini"), m_real);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(m_folder->filePath(QStringLiteral("Léa.ini")))});
        const QPoint centre = m_app->window().rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_app->window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_app->window(), &drop);
        QCOMPARE(fileBytes(KeptPredictions::filePath(QStringLiteral("Léa"))), m_real);
    }
};

QTEST_MAIN(TestPredictionsWindow)
#include "tst_predictionswindow.moc"
