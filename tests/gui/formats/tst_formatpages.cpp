// The pages of the 48-team World Cup and the European Championship, driven
// through the window with real clicks and keys: the thirds' ranking follows
// a keystroke, a click on a third level on the line decides, the history
// opens a European Championship, and "Nouveau tournoi" starts the user's
// own chart of one to come.
#include "app/VyloraApp.h"
#include "gui/controls/Controls.h"
#include "gui/formats/FormatBracketPage.h"
#include "gui/formats/FormatGroupPage.h"
#include "gui/formats/MatchNoteBox.h"
#include "gui/formats/ThirdsPanel.h"
#include "gui/groups/GroupFrame.h"
#include "gui/groups/ScoreEdit.h"
#include "storage/IniDocument.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FillGroups.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/Hover.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The blank 2030 chart with every group played in slot order, so that
// every third stands level with every other on the qualifying line.
QByteArray levelThirds2030()
{
    IniDocument chart(shippedChart(QStringLiteral("VYL2030.ini")));
    const QStringList scores = groupScores(slotOrderResults);
    for (char g : QByteArray("ABCDEFGHIJKL"))
        for (int i = 0; i < 12; ++i)
            chart.setValue(QStringLiteral("But") + QLatin1Char(g), QString::number(i), scores[i]);
    return chart.toBytes();
}

} // namespace

class TestFormatPages final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 11), QTime(12, 0))};
    UserSettings m_settings;
    std::unique_ptr<VyloraApp> m_app;

    bool start()
    {
        m_app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        m_app->start();
        m_app->window().show();
        return QTest::qWaitForWindowExposed(&m_app->window());
    }

    ThirdsPanel *thirds() const { return m_app->window().findChild<ThirdsPanel *>(); }

    // The team name on row `row` of the thirds' ranking, once the panel
    // has caught up with the chart.
    QString thirdOnRow(int row) const
    {
        QCoreApplication::processEvents();
        return thirds()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).at(5 + 6 * row + 2)->text();
    }

    GroupFrame *card(GroupId g) const
    {
        for (GroupFrame *frame : m_app->window().findChild<FormatGroupPage *>()->frames())
            if (frame->group() == g)
                return frame;
        return nullptr;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        // The same day for every test, whichever day the one before chose.
        m_clock.set(QDateTime(QDate(2010, 6, 11), QTime(12, 0)));
        m_app.reset();
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), shippedChart(QStringLiteral("VYL2010.ini")));
        m_folder->write(QStringLiteral("EURO2024.ini"), shippedChart(QStringLiteral("EURO2024.ini")));
        m_folder->write(QStringLiteral("VYL2030.ini"), levelThirds2030());
        m_folder->write(QStringLiteral("langFr.txt"), shippedChart(QStringLiteral("langFr.txt")));
        m_prompts.clear();
    }

    void cleanup() { m_app.reset(); }

    // A match day in New York: the notes, in UTC, on New York's clock. Over
    // a match of either page, its venue, day and kick-off; over the page
    // itself, or once another chart is shown, nothing.
    void theCalendarAndTheMatchUnderTheMouseFollowA2026Chart()
    {
        m_clock.set(QDateTime(QDate(2026, 6, 20), QTime(12, 0)));
        m_settings.setTimeZone(QStringLiteral("America/New_York"));
        m_folder->write(QStringLiteral("VYL2026.ini"), shippedChart(QStringLiteral("VYL2026.ini")));
        QVERIFY(start());
        m_app->showChartFile(m_folder->filePath(QStringLiteral("VYL2026.ini")));
        QWidget &window = m_app->window();
        auto *button = findControl<QPushButton>(window, QStringLiteral("Command15"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *calendar = findControl<QWidget>(window, QStringLiteral("Frame18"));
        QVERIFY(calendar->isVisible());
        QStringList lines;
        auto *day = findControl<QListWidget>(*calendar, QStringLiteral("List2"));
        for (int i = 0; i < day->count(); ++i)
            lines << day->item(i)->text();
        QCOMPARE(lines, QStringList({QStringLiteral("00:00 Turquie Vs Paraguay"),
                                     QStringLiteral("13:00 Pays-Bas Vs Suède"),
                                     QStringLiteral("16:00 Allemagne Vs Côte d'Ivoire"),
                                     QStringLiteral("20:00 Équateur Vs Curaçao")}));

        const auto shown = [](const MatchNoteBox *box) {
            const QList<QLabel *> lines = box->findChildren<QLabel *>();
            return box->isVisible() ? QStringList{lines[0]->text(), lines[1]->text(), lines[2]->text()}
                                    : QStringList();
        };
        auto *bracket = window.findChild<FormatBracketPage *>();
        hover(bracket->sides().front().label);
        QCOMPARE(shown(bracket->noteBox()).size(), 3);
        QTest::mouseClick(findControl<QWidget>(window, QStringLiteral("Command1")), Qt::LeftButton);
        hover(card(GroupId::A)->matchLabels().front());
        const MatchNoteBox *box = window.findChild<FormatGroupPage *>()->noteBox();
        QCOMPARE(shown(box), QStringList({QStringLiteral("Estadio Azteca"), QStringLiteral("11/06/26"),
                                          QStringLiteral("15:00")}));
        hover(card(GroupId::A), QPoint(2, 2));
        QCOMPARE(shown(box), QStringList());
        hover(card(GroupId::A)->matchLabels().front());
        m_app->showChartFile(m_folder->filePath(QStringLiteral("VYL2030.ini")));
        QCOMPARE(shown(box), QStringList());

        m_app->showChartFile(m_folder->filePath(QStringLiteral("EURO2024.ini")));
        QVERIFY(!button->isEnabled());
        QVERIFY(!calendar->isVisible());
    }

    void theHistoryOpensAEuropeanChampionship()
    {
        QVERIFY(start());
        QTest::mouseClick(findControl<QWidget>(m_app->window(), QStringLiteral("Command11")), Qt::LeftButton);
        auto *years = findControl<QComboBox>(m_app->window(), QStringLiteral("Combo1"));
        while (years->currentText() != u"Euro 2024")
            QTest::keyClick(years, Qt::Key_Down);
        QTest::mouseClick(findControl<QWidget>(m_app->window(), QStringLiteral("Command12")), Qt::LeftButton);

        QCOMPARE(findControl<QLabel>(m_app->window(), QStringLiteral("LabTitre"))->text(),
                 QStringLiteral("Championnat d'Europe de Football 2024"));
        QVERIFY(card(GroupId::F));
        QVERIFY(!card(GroupId::G));
        QCOMPARE(thirdOnRow(0), QStringLiteral("Pays-Bas"));
        // Over its bracket the panel holds the only year list.
        QTest::mouseClick(findControl<QWidget>(m_app->window(), QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(!findControl<QWidget>(m_app->window(), QStringLiteral("Frame19"))->isVisible());
    }

    // Begun from the blank chart, typed on, saved, and the user's chart
    // again at the next start.
    void aNewTournamentBecomesTheUsersChart()
    {
        // As the start seeds it from the shipped files.
        m_folder->write(QStringLiteral("EURO2028.ini"), shippedChart(QStringLiteral("EURO2028.ini")));
        // From the 2010 bracket: the coming tournament opens on its groups.
        m_clock.set(QDateTime(QDate(2026, 12, 9), QTime(12, 0)));
        QVERIFY(start());
        QWidget *window = &m_app->window();
        QTest::mouseClick(findControl<QWidget>(*window, QStringLiteral("Command11")), Qt::LeftButton);
        auto *button = findControl<QPushButton>(*window, QStringLiteral("Command24"));
        QTimer::singleShot(0, button, [button] {
            // The European Championship 2028, below the World Cup 2010.
            QTest::keyClick(button->menu(), Qt::Key_Down);
            QTest::keyClick(button->menu(), Qt::Key_Down);
            QTest::keyClick(button->menu(), Qt::Key_Return);
        });
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(findControl<QLabel>(*window, QStringLiteral("LabTitre"))->text(),
                 QStringLiteral("Championnat d'Europe de Football 2028"));
        QCOMPARE(findControl<QPushButton>(*window, QStringLiteral("Command4"))->text(), QStringLiteral("Euro 2028..."));
        QVERIFY(card(GroupId::A)->isVisible());
        const auto *bracket = window->findChild<FormatBracketPage *>();
        QVERIFY(!bracket || !bracket->isVisible());
        ScoreEdit *score = card(GroupId::A)->scoreCells()[0];
        score->setFocus();
        score->selectAll();
        QTest::keyClicks(score, QStringLiteral("3"));
        QTest::mouseClick(findControl<QWidget>(*window, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(IniDocument(m_folder->read(QStringLiteral("EURO2028.ini"))).value(QStringLiteral("ButA"), QStringLiteral("0")),
                 QStringLiteral("3"));

        m_app.reset();
        QVERIFY(start());
        QCOMPARE(card(GroupId::A)->scoreCells()[0]->text(), QStringLiteral("3"));

        // The bracket, made when first shown, is wired as the groups are:
        // Tab from the last group score goes on into it, and a score typed
        // there reaches the chart's round of 16.
        window = &m_app->window();
        QTest::mouseClick(findControl<QWidget>(*window, QStringLiteral("Command1")), Qt::LeftButton);
        bracket = window->findChild<FormatBracketPage *>();
        QVERIFY(bracket && bracket->isVisible());
        ScoreEdit *last = card(GroupId::F)->scoreCells().back();
        QCOMPARE(last->nextInFocusChain(), bracket->scoreCells().front());
        ScoreEdit *first = bracket->scoreCells().front();
        first->setFocus();
        QTest::keyClicks(first, QStringLiteral("2"));
        QTest::mouseClick(findControl<QWidget>(*window, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(IniDocument(m_folder->read(QStringLiteral("EURO2028.ini")))
                     .value(QStringLiteral("But8"), QString::number(controlIndex(first))),
                 QStringLiteral("2"));

        // The pool plays on 2010, and says so whatever the server answers.
        QTest::mouseClick(findControl<QWidget>(*window, QStringLiteral("Command22")), Qt::LeftButton);
        QLabel *pool = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Pronostics")
                pool = w->findChild<QLabel *>(QStringLiteral("PoolStatus"));
        QVERIFY(pool);
        QTRY_VERIFY(pool->text().contains(u'\n'));
        QVERIFY(pool->text().startsWith(QStringLiteral("Le concours se joue sur la Coupe du monde 2010")));
    }

    void theThirdsFollowAKeystrokeAndAClickDecidesTheLine()
    {
        QVERIFY(start());
        m_app->showChartFile(m_folder->filePath(QStringLiteral("VYL2030.ini")));
        QCoreApplication::processEvents();
        QVERIFY(!thirds()->findChildren<QLabel *>().last()->text().isEmpty());

        // Group L's third wins its match 2-0: it leads the thirds.
        ScoreEdit *score = card(GroupId::L)->scoreCells()[2];
        score->setFocus();
        score->selectAll();
        QTest::keyClicks(score, QStringLiteral("2"));
        QCOMPARE(thirdOnRow(0), QStringLiteral("L3"));

        // The others stay level across the line; a click puts C's through.
        const int cRow = 3; // L, then the level ones in group order
        QCOMPARE(thirdOnRow(cRow), QStringLiteral("C3"));
        auto *team = thirds()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly).at(5 + 6 * cRow + 2);
        QTest::mouseClick(team, Qt::LeftButton);
        QCOMPARE(thirdOnRow(1), QStringLiteral("C3"));
    }
};

QTEST_MAIN(TestFormatPages)
#include "tst_formatpages.moc"
