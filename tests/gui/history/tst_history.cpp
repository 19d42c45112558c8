// Past tournaments and the statistics window, driven through the window
// with real clicks and keys.
#include "gui/pictures/Pictures.h"
#include "app/VyloraApp.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FillGroups.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

// Every group won in slot order, teams named by group, slot and the
// suffix ("A1 98"); with the knock-out phase, every match won 1-0 by its
// first side.
QByteArray finishedChart(const char *suffix, bool knockout)
{
    QByteArray file;
    const QStringList scores = groupScores(slotOrderResults);
    for (char g : QByteArray("ABCDEFGH")) {
        file += QByteArray("[But") + g + "]\r\n";
        for (int i = 0; i < 12; ++i)
            file += QByteArray::number(i) + '=' + scores[i].toLatin1() + "\r\n";
        file += QByteArray("[Equip") + g + "]\r\n";
        for (int slot = 1; slot <= 4; ++slot)
            file += QByteArray::number(slot) + '=' + g + QByteArray::number(slot) + suffix + "\r\n";
    }
    if (knockout) {
        for (auto [section, sides] : {std::pair("But8", 16), std::pair("But4", 8), std::pair("ButDEM", 4),
                                      std::pair("BUTPetFIN", 2), std::pair("BUTFIN", 2)}) {
            file += QByteArray("[") + section + "]\r\n";
            for (int i = 0; i < sides; ++i)
                file += QByteArray::number(i) + (i % 2 == 0 ? "=1\r\n" : "=0\r\n");
        }
    }
    return file;
}

const QByteArray unfinished2010 = "[EquipA]\r\n1=Afrique du Sud\r\n2=Mexique\r\n3=Uruguay\r\n4=France\r\n";

const QByteArray french = "MSG\\Phase Finale\\1\r\nMSG\\Phase de Groupes\\2\r\nMSG\\Choisir l'année...\\6\r\n"
                          "MSG\\Statistiques\\9\r\nMSG\\buts\\10\r\nMSG\\1er tour\\14\r\n";

enum YearList { PanelList, KnockoutList };

} // namespace

Q_DECLARE_METATYPE(YearList)

class TestHistory final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 11), QTime(12, 0))};
    UserSettings m_settings;
    std::unique_ptr<VyloraApp> m_app;

    template <typename W = QWidget> W *control(const QString &name, int index = -1) const
    {
        return findControl<W>(m_app->window(), name, index);
    }

    void click(const QString &name) const
    {
        QWidget *w = control(name);
        QVERIFY2(w, qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton);
    }

    // Starts the program and shows its window.
    bool start()
    {
        m_app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        m_app->start();
        m_app->window().show();
        return QTest::qWaitForWindowExposed(&m_app->window());
    }

    // Chooses entry `entry` in the list with the arrow keys and clicks its
    // "Ouvrir".
    void open(YearList list, int entry) const
    {
        auto *years = control<QComboBox>(list == PanelList ? QStringLiteral("Combo1") : QStringLiteral("Combo2"));
        QVERIFY(years);
        QVERIFY(years->isVisible());
        for (int i = years->currentIndex(); i < entry; ++i)
            QTest::keyClick(years, Qt::Key_Down);
        click(list == PanelList ? QStringLiteral("Command12") : QStringLiteral("Command7"));
    }

    static QWidget *statsWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Stats")
                return w;
        return nullptr;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_app.reset();
        m_folder.reset(); // its scope puts the previous folder back
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), unfinished2010);
        m_folder->write(QStringLiteral("VYL1998.ini"), finishedChart(" 98", true));
        m_folder->write(QStringLiteral("VYL2002.ini"), finishedChart(" 02", false));
        m_folder->write(QStringLiteral("langFr.txt"), french);
        m_prompts.clear();
    }

    void cleanup() { m_app.reset(); }

    void opensATournamentFromEitherList_data()
    {
        QTest::addColumn<YearList>("list");
        QTest::newRow("history panel") << PanelList;
        QTest::newRow("knock-out page") << KnockoutList;
    }

    void opensATournamentFromEitherList()
    {
        QFETCH(YearList, list);
        QVERIFY(start());
        if (list == KnockoutList)
            click(QStringLiteral("Command1"));
        click(QStringLiteral("Command11"));
        open(list, 2);

        QCOMPARE(m_app->window().windowTitle(), QStringLiteral("Vylora 2002"));
        // The 2002 pairings: the winner of group A meets the runner-up of F.
        QCOMPARE(control<QLabel>(QStringLiteral("Huit"), 1)->text(), QStringLiteral("F2 02"));
        QVERIFY(!control(QStringLiteral("Command3"))->isEnabled());
        QCOMPARE(control<QComboBox>(QStringLiteral("Combo1"))->currentText(), QStringLiteral("2002"));
        QCOMPARE(control<QComboBox>(QStringLiteral("Combo2"))->currentText(), QStringLiteral("2002"));
    }

    void thePromptOpensNothing()
    {
        QVERIFY(start());
        click(QStringLiteral("Command11"));
        open(PanelList, 0);
        QCOMPARE(m_app->window().windowTitle(), QStringLiteral("Vylora 2010"));
        QVERIFY(control(QStringLiteral("Command3"))->isEnabled());
    }

    void theHistoryButtonFlipsPanelAndListTogether()
    {
        QVERIFY(start());
        for (bool shown : {true, false}) {
            click(QStringLiteral("Command11"));
            QCOMPARE(!control(QStringLiteral("FraHisto"))->isHidden(), shown);
            QCOMPARE(!control(QStringLiteral("Frame19"))->isHidden(), shown);
            QVERIFY(control(QStringLiteral("Frame18"))->isHidden());
        }
    }

    void returningLeavesNoTeamOfThePastTournament_data()
    {
        QTest::addColumn<QByteArray>("chart2010");
        QTest::addColumn<QString>("champion");
        QTest::newRow("unfinished 2010 chart") << unfinished2010 << QString();
        // No knock-out cell changes on the way back, so only the groups
        // would recompute by themselves.
        QTest::newRow("same knock-out scores as 1998") << finishedChart(" 10", true) << QStringLiteral("A1 10");
    }

    void returningLeavesNoTeamOfThePastTournament()
    {
        QFETCH(QByteArray, chart2010);
        QFETCH(QString, champion);
        m_folder->write(QStringLiteral("VYL2010.ini"), chart2010);
        QVERIFY(start());
        click(QStringLiteral("Command11"));
        open(PanelList, 1);
        QVERIFY(control<QLabel>(QStringLiteral("pod"), 1)->text().endsWith(QStringLiteral(" 98")));

        click(QStringLiteral("Command4"));
        QCOMPARE(m_app->window().windowTitle(), QStringLiteral("Vylora 2010"));
        QVERIFY(control(QStringLiteral("Command3"))->isEnabled());
        QVERIFY(control(QStringLiteral("FraHisto"))->isHidden());
        QVERIFY(control(QStringLiteral("Frame19"))->isHidden());
        for (const QLabel *label : m_app->window().findChildren<QLabel *>())
            QVERIFY2(!label->text().contains(QStringLiteral(" 98")), qPrintable(label->objectName()));
        QCOMPARE(control<QLabel>(QStringLiteral("pod"), 1)->text(), champion);
        const auto *picture = control<QLabel>(QStringLiteral("Image7"));
        const QPixmap expected =
            champion.isEmpty() ? Pictures::partner(picture->size()) : Pictures::champion(picture->size());
        QCOMPARE(picture->pixmap().toImage(), expected.toImage());
    }

    // "Ouvrir" asks nothing: the user's chart waits aside, unsaved and with
    // its undo steps, and "2010..." or quitting finds it as it was left.
    void unsavedPredictionsWaitBehindAPastTournament_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QString>("then"); // "return", or quit with answer save / discard
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("back with 2010...") << true << QStringLiteral("return") << -1 << false;
        QTest::newRow("quit, saving them") << true << QStringLiteral("quit") << 0 << true;
        QTest::newRow("quit without them") << true << QStringLiteral("quit") << 1 << false;
        QTest::newRow("nothing typed") << false << QStringLiteral("quit") << -1 << false;
    }

    void unsavedPredictionsWaitBehindAPastTournament()
    {
        QFETCH(bool, edit);
        QFETCH(QString, then);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QVERIFY(start());
        auto *cell = control<QLineEdit>(QStringLiteral("ButA"), 0);
        const QString before = cell->text();
        if (edit) {
            QTest::mouseClick(cell, Qt::LeftButton);
            QTest::keyClick(cell, Qt::Key_3);
        }
        click(QStringLiteral("Command11"));
        m_app->window().toggleHelpPanel();
        open(PanelList, 1);
        QCOMPARE(m_prompts.asked().size(), 0);
        QCOMPARE(m_app->window().windowTitle(), QStringLiteral("Vylora 1998"));
        QVERIFY(control(QStringLiteral("Fraide"))->isHidden());
        QCOMPARE(m_app->window().findChild<QLabel *>(QStringLiteral("LabTitre"))->text(),
                 QStringLiteral("Coupe du Monde de Football 1998"));

        if (then == u"return") {
            click(QStringLiteral("Command4"));
            QCOMPARE(cell->text(), QStringLiteral("3"));
            QVERIFY(m_app->hasUnsavedChanges());
            QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(cell->text(), before);
        } else {
            if (answer >= 0)
                m_prompts.queueChoice(answer);
            QVERIFY(m_app->window().close());
            QCOMPARE(m_prompts.asked().size(), answer >= 0 ? 1 : 0);
        }
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")).contains("[ButA]\r\n0=3"), saved);
    }

    void statisticsShowTheTournamentShown()
    {
        QVERIFY(start());
        click(QStringLiteral("Command11"));
        open(PanelList, 1);
        for (int opening = 0; opening < 2; ++opening) {
            click(QStringLiteral("Command21"));
            QWidget *stats = statsWindow();
            QVERIFY(stats);
            QVERIFY(stats->isVisible());
            QCOMPARE(stats->windowTitle(), QStringLiteral("Statistiques 1998"));
            auto *ranking = findControl<QListWidget>(*stats, QStringLiteral("List2"));
            QCOMPARE(ranking->count(), 33); // rebuilt, not added to
            QVERIFY(findControl<QLabel>(*stats, QStringLiteral("Label1"))->text().startsWith(u"buts : "));
            QCOMPARE(ranking->item(0)->text(),
                     control<QLabel>(QStringLiteral("pod"), 1)->text() + QStringLiteral(" 1"));
            QVERIFY(!findControl(*stats, QStringLiteral("Frame2"))->isHidden());
            QVERIFY(findControl(*stats, QStringLiteral("Image2"))->isHidden());
        }
        QCOMPARE(QApplication::topLevelWidgets().count(statsWindow()), 1);
        // Language files find the main window's controls by name: the
        // statistics window's close and print buttons are not among them.
        QVERIFY(control(QStringLiteral("Command1")));
        QVERIFY(control(QStringLiteral("Command5")));

        QPointer<QWidget> stats = statsWindow();
        QTest::mouseClick(findControl(*stats, QStringLiteral("Command1")), Qt::LeftButton);
        QTRY_VERIFY(!stats);

        // Back to the unfinished chart: nobody on the podium yet.
        click(QStringLiteral("Command4"));
        click(QStringLiteral("Command21"));
        QVERIFY(statsWindow());
        QCOMPARE(statsWindow()->windowTitle(), QStringLiteral("Statistiques 2010"));
        QVERIFY(findControl(*statsWindow(), QStringLiteral("Frame2"))->isHidden());
        QVERIFY(!findControl(*statsWindow(), QStringLiteral("Image2"))->isHidden());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
