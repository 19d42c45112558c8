// Start-up, save and language switch of the whole program, driven through
// its window with real clicks and keys.
#include "app/VyloraApp.h"
#include "gui/editor/EditorPanel.h"
#include "gui/help/HelpPanel.h"
#include "storage/ModuleSetting.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QByteArray chart = "[EquipA]\r\n1=Afrique du Sud\r\n2=Mexique\r\n3=Uruguay\r\n4=France\r\n"
                         "[Mess]\r\n0=Bienvenue\r\n1=Welcome\r\n";

const QByteArray french = "MSG\\Phase Finale\\1\r\nMSG\\Phase de Groupes\\2\r\nMSG\\Tirage au sort !\\3\r\n"
                          "MSG\\buts\\10\r\nCommand3\\Sauve\\\\Enregistrer le pronostic\\\r\n";
const QByteArray english = "MSG\\Knockout stage\\1\r\nMSG\\Group stage\\2\r\nMSG\\Draw lots!\\3\r\n"
                           "MSG\\goals\\10\r\nCommand3\\Save\\\\Save the prediction\\\r\n";

QDateTime day(int month, int dayOfMonth)
{
    return QDateTime(QDate(2010, month, dayOfMonth), QTime(12, 0));
}

} // namespace

class TestVyloraApp final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{day(6, 11)};
    UserSettings m_settings;

    std::unique_ptr<VyloraApp> startApp()
    {
        auto app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        app->start();
        return app;
    }

    template <typename W = QWidget> static W *control(VyloraApp &app, const QString &name, int index = -1)
    {
        return findControl<W>(app.window(), name, index);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_folder.reset(); // its scope puts the previous folder back
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), chart);
        m_folder->write(QStringLiteral("langFr.txt"), french);
        m_folder->write(QStringLiteral("langEn.txt"), english);
        m_prompts.clear();
        m_clock.set(day(6, 11));
    }

    void opensOnTheKnockoutPageFromThe26thOfJune_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("knockout");
        QTest::newRow("opening day") << day(6, 11) << false;
        QTest::newRow("last group day") << day(6, 25) << false;
        QTest::newRow("first minute of the 26th") << QDateTime(QDate(2010, 6, 26), QTime(0, 1)) << true;
        QTest::newRow("final") << day(7, 11) << true;
    }

    void opensOnTheKnockoutPageFromThe26thOfJune()
    {
        QFETCH(QDateTime, now);
        QFETCH(bool, knockout);
        m_clock.set(now);
        auto app = startApp();
        QCOMPARE(!control(*app, QStringLiteral("Frame9"))->isHidden(), knockout);
        QCOMPARE(control<QAbstractButton>(*app, QStringLiteral("Command1"))->text(),
                 knockout ? QStringLiteral("Phase de Groupes") : QStringLiteral("Phase Finale"));
    }

    void startsWithTheStoredLanguageBeforeTheChartLoads()
    {
        m_settings.setLanguage(1);
        auto app = startApp();
        QCOMPARE(control<QAbstractButton>(*app, QStringLiteral("Command3"))->text(), QStringLiteral("Save"));
        QCOMPARE(control<QComboBox>(*app, QStringLiteral("lang"))->currentText(), QStringLiteral("English"));
        // The chart's news comes in the language that was in force when it loaded.
        QCOMPARE(control<QLabel>(*app, QStringLiteral("Label10"))->text(), QStringLiteral("Welcome"));
        QVERIFY(!control(*app, QStringLiteral("Shape3"))->isHidden());
    }

    void theChooserSwitchesTheWindowAndIsRemembered()
    {
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        auto *chooser = control<QComboBox>(*app, QStringLiteral("lang"));
        QTest::keyClick(chooser, Qt::Key_Down);
        QCOMPARE(control<QAbstractButton>(*app, QStringLiteral("Command1"))->text(),
                 QStringLiteral("Knockout stage"));
        QCOMPARE(control<QLabel>(*app, QStringLiteral("Label21"))->text(), QStringLiteral("0 goals"));
        QCOMPARE(m_settings.language(), QStringLiteral("1"));

        // No Spanish news in this chart: the frame goes away.
        QTest::keyClick(chooser, Qt::Key_Down);
        QVERIFY(control(*app, QStringLiteral("Shape3"))->isHidden());
    }

    // Where Spanish and Portuguese agree on "Cancel", they part on "Save".
    void qtsOwnButtonsFollowTheChooser_data()
    {
        QTest::addColumn<QString>("typed"); // the start of the name the chooser gives it
        QTest::addColumn<QDialogButtonBox::StandardButton>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << QStringLiteral("En") << QDialogButtonBox::Cancel << QStringLiteral("Cancel");
        QTest::newRow("Spanish") << QStringLiteral("Es") << QDialogButtonBox::Cancel << QStringLiteral("Cancelar");
        QTest::newRow("French again") << QStringLiteral("Fr") << QDialogButtonBox::Cancel
                                      << QStringLiteral("Annuler");
        QTest::newRow("German") << QStringLiteral("De") << QDialogButtonBox::Cancel << QStringLiteral("Abbrechen");
        QTest::newRow("Portuguese") << QStringLiteral("Po") << QDialogButtonBox::Save << QStringLiteral("Salvar");
    }

    void qtsOwnButtonsFollowTheChooser()
    {
        QFETCH(QString, typed);
        QFETCH(QDialogButtonBox::StandardButton, button);
        QFETCH(QString, text);
        m_settings.setLanguage(typed == u"En" ? 0 : 1);
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::keyClicks(control(*app, QStringLiteral("lang")), typed);
        QCOMPARE(QDialogButtonBox(button).button(button)->text(), text);
    }

    // A window or panel left open through a switch words itself again at
    // once: its headings, its buttons' tooltips, and the teams it names.
    void everyOpenWindowFollowsTheSwitch_data()
    {
        QTest::addColumn<QString>("opener"); // the main window's button that opens it
        QTest::addColumn<QString>("window"); // empty for a panel of the main window
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("german"); // its text, else its tooltip
        QTest::newRow("statistics heading") << QStringLiteral("Command21") << QStringLiteral("Stats")
                                            << QStringLiteral("Label3") << -1 << QStringLiteral("Endplatzierung:");
        QTest::newRow("print button") << QStringLiteral("Command13") << QStringLiteral("PrintWindow")
                                      << QStringLiteral("Command1") << -1 << QStringLiteral("Zurück zum Programm");
        QTest::newRow("calendar row") << QStringLiteral("Command15") << QString() << QStringLiteral("LabCAL") << 2
                                      << QStringLiteral("20:30 Südafrika Vs Mexiko");
    }

    void everyOpenWindowFollowsTheSwitch()
    {
        QFETCH(QString, opener);
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, german);
        m_folder->write(QStringLiteral("VYL2010.ini"),
                        chart + "[Match]\r\n0=Soccer City (Johannesburg) TF1 11/06/10 20:30\r\n");
        m_folder->write(QStringLiteral("langDe.txt"), fileBytes(QFINDTESTDATA("../../data/langDe.txt")));
        m_settings.setTimeZone(QStringLiteral("Africa/Johannesburg"));
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::mouseClick(control(*app, opener), Qt::LeftButton);
        QWidget *open = &app->window();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!window.isEmpty() && w->objectName() == window && w->isVisible())
                open = w;
        QCOMPARE(open == &app->window(), window.isEmpty());

        QTest::keyClicks(control(*app, QStringLiteral("lang")), QStringLiteral("De"));
        QWidget *shown = findControl(*open, name, index);
        QVERIFY(shown);
        const QString text = shownText(shown);
        QCOMPARE(text.isEmpty() ? shown->toolTip() : text, german);
    }

    // The group tooltips are worded when the mouse rests on a team: the
    // other team they name is the one the chosen language calls it.
    void aGroupToolTipFollowsTheSwitch_data()
    {
        QTest::addColumn<QString>("typed"); // the start of the name the chooser gives it
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("German") << QStringLiteral("De") << QStringLiteral("langDe.txt")
                                << QStringLiteral("Vor Mexiko\nNichts trennt sie (Reihenfolge der Gruppe)");
        QTest::newRow("Portuguese") << QStringLiteral("Po") << QStringLiteral("langPt.txt")
                                    << QStringLiteral("À frente de México\nNada as separa (ordem do grupo)");
    }

    void aGroupToolTipFollowsTheSwitch()
    {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QString, toolTip);
        m_folder->write(file, fileBytes(QFINDTESTDATA(QStringLiteral("../../data/") + file)));
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::keyClicks(control(*app, QStringLiteral("lang")), typed);
        QWidget *team = control(*app, QStringLiteral("A"), 1);
        QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), team->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(team, &hover);
        QCOMPARE(team->toolTip(), toolTip);
    }

    // The help page's zone moves the calendar's day and hour; the English
    // names show while the saved chart keeps the stored ones.
    void theChosenZoneAndLanguageShowWhileTheFileKeepsItsNames()
    {
        m_folder->write(QStringLiteral("VYL2010.ini"),
                        chart + "[Match]\r\n0=Soccer City (Johannesburg) TF1 11/06/10 20:30\r\n");
        m_folder->write(QStringLiteral("langEn.txt"), english + "EQU\\Afrique du Sud\\South Africa\r\n");
        m_settings.setLanguage(1);
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::keyClicks(control(*app, QStringLiteral("ComboFuseau")), QStringLiteral("Asia/Tokyo"));
        QCOMPARE(m_settings.timeZone(), QStringLiteral("Asia/Tokyo"));
        QTest::keyClicks(control(*app, QStringLiteral("Combo3")), QStringLiteral("12"));
        QCOMPARE(control<QLabel>(*app, QStringLiteral("LabCAL"), 2)->text(),
                 QStringLiteral("03:30 South Africa Vs Mexique"));
        QVERIFY(control(*app, QStringLiteral("lm"), 0)->toolTip().endsWith(u"12/06/10 03:30"));
        QCOMPARE(control<QLineEdit>(*app, QStringLiteral("A"), 1)->text(), QStringLiteral("South Africa"));
        QTest::mouseClick(control(*app, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("EquipA"), QStringLiteral("1")),
                 QStringLiteral("Afrique du Sud"));
    }

    // Etc/UTC, the computer's zone here, has no entry of its own in the
    // zone database's list: the list shows it all the same, and its first
    // entry goes back to the computer's clock.
    void theZoneListShowsTheZoneInUse()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Etc/UTC");
        m_settings.setTimeZone(QStringLiteral("Etc/UTC"));
        auto app = startApp();
        auto *zones = control<QComboBox>(*app, QStringLiteral("ComboFuseau"));
        const QString chosen = zones->currentText();
        QTest::keyClick(zones, Qt::Key_Home);
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        QCOMPARE(chosen, QStringLiteral("Etc/UTC"));
        QCOMPARE(m_settings.timeZone(), QString());
        QCOMPARE(zones->currentText(), QStringLiteral("Heure de l'ordinateur (Etc/UTC)"));
    }

    // The statistics window's controls bear names of the window's; only the
    // window's own are a way into the editor or a link, whichever was built first.
    void theStatisticsNamesAreNoWayInNorLink()
    {
        m_settings.setPassword(QStringLiteral("7plum"));
        auto app = startApp();
        MainWindow &window = app->window();
        QTest::mouseClick(control(*app, QStringLiteral("Command21")), Qt::LeftButton);
        QWidget *title = window.helpPanel()->title();
        for (QWidget *label : window.findChildren<QWidget *>(QStringLiteral("Label2")))
            if (label != title)
                QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(m_prompts.asked().size(), 0);
        // Nor is the statistics' podium picture the link its name bears on the window.
        for (QWidget *picture : window.findChildren<QWidget *>(QStringLiteral("Image2")))
            QCOMPARE(picture->cursor().shape() == Qt::PointingHandCursor, picture->window() == &window);
        QTest::mouseClick(title, Qt::RightButton);
        QCOMPARE(m_prompts.asked().size(), 1); // the editor's question before it opens
    }

    void aMissingLanguageFileIsSaidAndTheChoiceStillStored()
    {
        auto app = startApp();
        m_prompts.clear();
        app->applyLanguage(2);
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked().first().text, QStringLiteral("Fichier absent."));
        QCOMPARE(control<QAbstractButton>(*app, QStringLiteral("Command3"))->text(), QStringLiteral("Sauve"));
        QCOMPARE(m_settings.language(), QStringLiteral("2"));
    }

    void aSavedPredictionIsBackAtTheNextStart()
    {
        {
            auto app = startApp();
            app->window().show();
            QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
            auto *cell = control<QLineEdit>(*app, QStringLiteral("ButA"), 0);
            QTest::mouseClick(cell, Qt::LeftButton);
            QTest::keyClick(cell, Qt::Key_3);
            QTest::mouseClick(control(*app, QStringLiteral("Command3")), Qt::LeftButton);
            QVERIFY(m_prompts.asked().isEmpty());
        }
        auto app = startApp();
        QCOMPARE(control<QLineEdit>(*app, QStringLiteral("ButA"), 0)->text(), QStringLiteral("3"));
        QCOMPARE(control<QLabel>(*app, QStringLiteral("PTs"), 1)->text(), QStringLiteral("0"));
        QCOMPARE(control<QLabel>(*app, QStringLiteral("BP"), 1)->text(), QStringLiteral("3"));
    }

    void aFailedSaveIsReportedAndLosesNothing()
    {
        auto app = startApp();
        // The chart shown is named after a file that a folder has taken
        // since: nothing can be written there.
        m_folder->write(QStringLiteral("taken.ini"), chart);
        QVERIFY(app->loadChart(QStringLiteral("taken")));
        QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("taken.ini"))));
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("taken.ini")));
        QTest::mouseClick(control(*app, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(m_prompts.asked().size(), 1);
        QCOMPARE(m_prompts.asked().first().kind, AnsweringPrompts::Kind::Warning);
        QVERIFY(m_prompts.asked().first().text.contains(QStringLiteral("n'a pas pu être enregistré")));
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), chart);
    }

    void aChartFileThatCannotBeShownIsSaidOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("savable");
        QTest::newRow("not a chart") << QByteArray("\x8f\x01Zq=\xff[\n\x00]x")
                                     << QStringLiteral("VYL2010.ini.damaged") << true;
        QTest::newRow("larger than any chart")
            << chart + QByteArray(1 << 20, '\n') << QStringLiteral("trop volumineux") << false;
    }

    void aChartFileThatCannotBeShownIsSaidOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        QFETCH(bool, savable);
        m_folder->write(QStringLiteral("VYL2010.ini"), content);

        auto app = startApp();
        QCOMPARE(m_prompts.asked().size(), 1);
        QVERIFY2(m_prompts.asked().first().text.contains(said), qPrintable(m_prompts.asked().first().text));
        QCOMPARE(control<QLineEdit>(*app, QStringLiteral("A"), 1)->text(), QStringLiteral("A1"));

        m_prompts.clear();
        QTest::mouseClick(control(*app, QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(m_prompts.asked().size(), savable ? 0 : 1);
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")).startsWith("[ButA]"), savable);
    }

    void quittingWithUnsavedPredictionsAsks_data()
    {
        QTest::addColumn<QString>("chartName");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("quitBy");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<bool>("written");
        const QString current = QStringLiteral("VYL2010");
        const QString quitter = QStringLiteral("Command5");
        QTest::newRow("nothing typed") << current << false << QString() << quitter << 0 << false << false << false;
        QTest::newRow("typed, saved on the way out")
            << current << true << QString() << quitter << 0 << true << false << true;
        QTest::newRow("typed, thrown away")
            << current << true << QString() << quitter << 1 << true << false << false;
        QTest::newRow("typed, cancelled") << current << true << QString() << quitter << 2 << true << true << false;
        QTest::newRow("typed, window's close button, cancelled")
            << current << true << QString() << QString() << 2 << true << true << false;
        QTest::newRow("typed, then Sauve")
            << current << true << QStringLiteral("Command3") << quitter << 1 << false << false << true;
        QTest::newRow("typed, then undone back to the saved state")
            << current << true << QStringLiteral("undo") << quitter << 1 << false << false << false;
        QTest::newRow("typed, then the chart loaded again")
            << current << true << QStringLiteral("load") << quitter << 1 << false << false << false;
        QTest::newRow("past tournament")
            << QStringLiteral("VYL1998") << true << QString() << quitter << 1 << false << false << false;
    }

    void quittingWithUnsavedPredictionsAsks()
    {
        QFETCH(QString, chartName);
        QFETCH(bool, typed);
        QFETCH(QString, then);
        QFETCH(QString, quitBy);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, stillOpen);
        QFETCH(bool, written);
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        if (chartName == u"VYL1998") {
            m_folder->write(QStringLiteral("VYL1998.ini"), chart);
            app->openTournament(1);
        }
        if (typed) {
            auto *cell = control<QLineEdit>(*app, QStringLiteral("ButA"), 0);
            QTest::mouseClick(cell, Qt::LeftButton);
            QTest::keyClick(cell, Qt::Key_3);
        }
        if (then == u"load")
            app->loadChart(QStringLiteral("VYL2010"));
        else if (then == u"undo")
            QTest::keyClick(control(*app, QStringLiteral("ButA"), 0), Qt::Key_Z, Qt::ControlModifier);
        else if (!then.isEmpty())
            QTest::mouseClick(control(*app, then), Qt::LeftButton);
        m_prompts.clear();
        if (asked)
            m_prompts.queueChoice(answer);

        if (quitBy.isEmpty())
            app->window().close();
        else
            QTest::mouseClick(control(*app, quitBy), Qt::LeftButton);

        QCOMPARE(m_prompts.asked().size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(m_prompts.asked().first().kind, AnsweringPrompts::Kind::Choice);
        QCOMPARE(app->window().isVisible(), stillOpen);
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")) != chart, written);
    }

    void aGoodSaveIsConfirmedOnScreen()
    {
        auto app = startApp();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::mouseClick(control(*app, QStringLiteral("Command3")), Qt::LeftButton);
        QVERIFY(m_prompts.asked().isEmpty());
        QCOMPARE(control<QLabel>(*app, QStringLiteral("LabEtat"))->text(),
                 QStringLiteral("Pronostic enregistré."));
    }

    void shutdownLeavesSettingsAloneWithoutTheirControls()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat)
            .setValue(QStringLiteral("data/reduit"), QStringLiteral("1"));
        auto app = startApp();
        app->window().close();
        QVERIFY(m_settings.compactMode());
    }

    void shutdownStoresTheEditorsFilledFields_data()
    {
        QTest::addColumn<QString>("pseudo");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("storedPseudo");
        QTest::addColumn<QString>("storedPassword");
        QTest::newRow("both typed") << "Nouveau"
                                    << "neuf"
                                    << "Nouveau"
                                    << "neuf";
        QTest::newRow("both emptied") << ""
                                      << ""
                                      << "Ancien"
                                      << "7plum";
    }

    void shutdownStoresTheEditorsFilledFields()
    {
        QFETCH(QString, pseudo);
        QFETCH(QString, password);
        QFETCH(QString, storedPseudo);
        QFETCH(QString, storedPassword);
        m_settings.setPseudo(QStringLiteral("Ancien"));
        m_settings.setPassword(QStringLiteral("7plum"));
        auto app = startApp();
        m_prompts.queueAnswer(true); // no update in this run: open anyway
        app->window().editor()->open(QStringLiteral("7plum"));
        for (auto [index, text] : {std::pair{1, pseudo}, std::pair{0, password}}) {
            auto *field = control<QLineEdit>(*app, QStringLiteral("Text2"), index);
            QVERIFY(field);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, text);
        }
        app->window().close();
        QCOMPARE(m_settings.pseudo(), storedPseudo);
        QCOMPARE(m_settings.password(), storedPassword);
    }
};

QTEST_MAIN(TestVyloraApp)
#include "tst_vyloraapp.moc"
