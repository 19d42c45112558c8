#include "app/VyloraApp.h"

#include "app/Clock.h"
#include "gui/kit/LanguageSwitch.h"
#include "gui/kit/Prompts.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "predictions/PredictionFile.h"
#include "schedule/BuildSchedule.h"
#include "schedule/UserZone.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/KeptPredictions.h"
#include "storage/ModuleSetting.h"
#include "storage/OwnChart.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// After this moment of the tournament's year the knock-out phase is what
// people come to see.
QDateTime knockoutStageStarts(const QString &chartName)
{
    return QDateTime(QDate(Tournaments::yearOfChart(chartName).toInt(), 6, 26), QTime(0, 0));
}

} // namespace

VyloraApp::VyloraApp(Prompts &prompts, const Clock &clock, UserSettings &settings)
    : m_prompts(prompts)
    , m_clock(clock)
    , m_settings(settings)
    , m_window(m_tournament, prompts, settings)
    , m_programEnd([] { QCoreApplication::exit(0); })
    , m_own(OwnChart::current())
{
    m_window.setChartLoader(
        [this](const IniDocument &chart) {
            if (!loadChart(m_own, Saving::On, &chart))
                return false;
            // The update brings the user's chart back, also over a past
            // year: the history panel follows the chart shown.
            m_window.showTournamentPicture(m_own);
            m_window.showChosenYear(0);
            return true;
        },
        [this] { return typedChart(); });
    m_window.setCloseGuard([this] { return mayClose(); });
    connect(&m_window, &MainWindow::languageChosen, this,
            [this](int index) { applyLanguage(LanguageIndex(index)); });
    connect(&m_window, &MainWindow::closing, this, &VyloraApp::shutDown);
    connect(&m_window, &MainWindow::endAsked, this, &VyloraApp::endProgram);
    connect(&m_window, &MainWindow::tournamentChosen, this, &VyloraApp::openTournament);
    connect(&m_window, &MainWindow::returnChosen, this, &VyloraApp::returnToCurrent);
    connect(&m_window, &MainWindow::ownChartChosen, this, &VyloraApp::chooseOwnChart);
    connect(&m_window, &MainWindow::predictionChosen, this, &VyloraApp::openPrediction);
    connect(&m_window, &MainWindow::zoneChosen, this, &VyloraApp::chooseTimeZone);
}

bool VyloraApp::start()
{
    const QString zoneName = chosenZoneName(m_zoneOption, m_settings.timeZone());
    m_zone = zoneNamed(zoneName);
    m_window.showZone(zoneName);
    if (m_languageOption)
        speak(*m_languageOption);
    else
        applyLanguage(languageIndexFromStored(m_settings.language()));
    m_window.showOwnChart(m_own);
    if (!loadChart(m_own))
        return false;
    if (m_clock.now() > knockoutStageStarts(m_own))
        m_window.toggleKnockoutPanel();
    else
        m_window.showGroupPage();
    if (m_settings.compactMode())
        m_window.ToggleCompactMode();
    // The user's today, in the zone the kick-offs are shown in.
    m_window.setToday(m_clock.now().toTimeZone(m_zone).date());
    // A publisher sees the server's banner from the start.
    if (!m_settings.pseudo().isEmpty())
        m_window.showPublisherBanner();
    return true;
}

bool VyloraApp::loadChart(const QString &name, Saving saving, const IniDocument *checked)
{
    // The user's chart from its file: one kept aside would bring back what
    // the file no longer holds.
    if (name == m_own) {
        m_kept.reset();
        m_window.edits().dropAside();
    }
    ChartHooks hooks;
    hooks.versionCheck = [this](const QString &cv) { return m_window.checkVersion(cv); };
    // The schedule from the chart as the load read it: the file is read once.
    hooks.buildSchedule = [this](const IniDocument &file) {
        m_window.showSchedule(BuildScheduleFromDocument(m_tournament, file, m_zone));
    };
    hooks.fileProblem = [this, name](ChartFileProblem problem, const QString &path) {
        const MessageTable &messages = m_tournament.messages();
        const QString file = QDir::toNativeSeparators(iniFilePath(name));
        const QString text = problem == ChartFileProblem::TooLarge
                                 ? messages.text(Message::chartTooLarge).arg(file)
                                 : messages.text(Message::notAChart).arg(file, QDir::toNativeSeparators(path));
        m_prompts.warning(&m_window, QStringLiteral("Vylora 2010"), text);
    };
    if (!(checked ? LoadWholeChartDocument(m_tournament, name, *checked, m_sage, hooks)
                  : LoadWholeChart(m_tournament, name, m_sage, hooks)))
        return false;
    m_window.edits().clear();
    m_window.setSaveEnabled(saving == Saving::On);
    return true;
}

void VyloraApp::chooseTimeZone(const QString &zone)
{
    const QTimeZone chosen = zoneNamed(zone);
    if (!chosen.isValid())
        return;
    m_settings.setTimeZone(zone);
    m_zone = chosen;
    m_window.showZone(zone);
    if (!m_tournament.chartName().isEmpty())
        m_window.showSchedule(BuildSchedule(m_tournament, m_tournament.chartName(), m_zone));
    m_window.refreshTexts();
}

void VyloraApp::setHeadless(bool headless)
{
    m_window.setHeadless(headless);
}

// The user went for a newer version: nothing of this run is stored.
void VyloraApp::endProgram()
{
    m_ended = true;
    m_window.hide();
    m_programEnd();
}

// The user's chart waits in memory, unsaved predictions and undo steps
// included, so that looking at the past or a friend's chart costs nothing.
void VyloraApp::setUserChartAside()
{
    if (m_tournament.chartName() == m_own) {
        m_kept = KeptChart{m_tournament.cells(), &m_tournament.rules(), m_tournament.year()};
        m_window.edits().setAside();
    }
}

// The user's chart with what was typed, saved or not: shown, or kept
// aside behind another chart; none while the file holds it all.
QByteArray VyloraApp::typedChart() const
{
    if (m_kept) {
        Tournament aside(*m_kept->rules);
        aside.setYear(m_kept->year);
        aside.setChartName(m_own);
        aside.restoreCells(m_kept->cells);
        return shownChart(aside);
    }
    return m_tournament.chartName() == m_own ? shownChart(m_tournament) : QByteArray();
}

void VyloraApp::openTournament(int entry)
{
    const QString year = Tournaments::year(entry);
    if (year.isEmpty())
        return;
    setUserChartAside();
    m_window.hideHelpPanel();
    m_window.showTournamentPicture(Tournaments::chartName(entry));
    if (!loadChart(Tournaments::chartName(entry), Saving::Off))
        return;
    m_window.showChosenYear(entry);
}

void VyloraApp::openPrediction(const QString &name)
{
    if (readPredictionFile(KeptPredictions::filePath(name)).problem != PredictionProblem::None)
        return;
    setUserChartAside();
    m_window.hideHelpPanel();
    // Named after its folder: no year's bracket tables, no save over the
    // user's chart, and its news and notes read from its own file.
    if (!loadChart(QStringLiteral("pronostics/") + name, Saving::Off))
        return;
    m_window.showHistoryPanel();
    m_window.setWindowTitle(QStringLiteral("Vylora 2010 - ") + name);
}

void VyloraApp::showChartFile(const QString &path)
{
    const IniReading reading = readIniFileAt(path);
    setUserChartAside();
    loadChart(QFileInfo(path).completeBaseName(), Saving::Off, &reading.document);
}

void VyloraApp::returnToCurrent()
{
    if (m_kept) {
        // Its format first: the pages that show it follow its name.
        m_tournament.setFormat(*m_kept->rules);
        m_tournament.setYear(m_kept->year);
        m_tournament.restoreCells(m_kept->cells);
        m_kept.reset();
        m_window.edits().bringBack();
        m_window.setSaveEnabled(true);
    } else if (!loadChart(m_own)) {
        return;
    }
    m_window.hideHistoryPanel();
    m_window.showTournamentPicture(m_own);
    m_window.showChosenYear(0);
}

void VyloraApp::applyLanguage(LanguageIndex index)
{
    speak(index);
    // Written only when it changes: every start applies the stored one.
    if (m_settings.language() != QString::number(index))
        m_settings.setLanguage(index);
}

void VyloraApp::speak(LanguageIndex index)
{
    if (!languageFileName(index).isEmpty())
        applyLanguageFile(index);
    m_qtTexts.apply(index);
    m_sage = index;
    m_window.showLanguage(index);
    showNewsMessage();
    languageSwitch::announce();
}

void VyloraApp::applyLanguageFile(LanguageIndex index)
{
    const MessageTable &messages = m_tournament.messages();
    const QString path = ProgramFolder::filePath(languageFileName(index));
    switch (m_window.applyLanguageFile(path)) {
    case LanguageFileStatus::Applied:
        break;
    case LanguageFileStatus::Missing:
        m_prompts.notice(&m_window, QStringLiteral("Vylora 2010"), missingLanguageFileNotice.toString());
        return;
    case LanguageFileStatus::TooLarge:
        m_prompts.warning(&m_window, QStringLiteral("Vylora 2010"),
                          messages.text(Message::languageFileTooLarge).arg(QDir::toNativeSeparators(path)));
        return;
    }
    refreshLanguageTexts();
}

// Texts that the rules wrote from the message table follow the new
// language at once rather than at the next recomputation.
void VyloraApp::refreshLanguageTexts()
{
    RefreshTieNotices(m_tournament);
    if (m_tournament.isReady())
        RefreshGoalTotal(m_tournament);
    m_window.refreshTexts();
}

// The news of the current chart in the current language; none while no
// chart has been named yet.
void VyloraApp::showNewsMessage()
{
    const QString chart = m_tournament.chartName();
    const QString message =
        chart.isEmpty() ? QString() : ReadIniValue(chart, QStringLiteral("Mess"), QString::number(m_sage));
    m_tournament.setText(m_tournament.family(QStringLiteral("Label10")), 0, message);
}

bool VyloraApp::mayClose()
{
    const MessageTable &messages = m_tournament.messages();
    return maySetOwnChartDown(messages.text(Message::unsavedQuestion));
}

// Unsaved predictions are never dropped without the user's word: save,
// discard or stay.
bool VyloraApp::maySetOwnChartDown(const QString &question)
{
    if (!hasUnsavedChanges())
        return true;
    const MessageTable &messages = m_tournament.messages();
    const int answer = m_prompts.choice(&m_window, QStringLiteral("Vylora 2010"), question,
                                        {messages.text(Message::saveAnswer), messages.text(Message::discardAnswer),
                                         messages.text(Message::stayAnswer)});
    switch (answer) {
    case 0:
        // Kept aside behind a past tournament: saved as the chart it is.
        if (m_kept)
            returnToCurrent();
        return m_window.saveChart();
    case 1:
        return true;
    default:
        return false;
    }
}

void VyloraApp::chooseOwnChart(const QString &name)
{
    if (name == m_own) {
        returnToCurrent();
        return;
    }
    if (!maySetOwnChartDown(m_tournament.messages().at(Message::changeTournamentQuestion)))
        return;
    if (!OwnChart::choose(name)) {
        m_prompts.warning(&m_window, QStringLiteral("Vylora 2010"),
                          m_tournament.messages().at(Message::chartNotStarted).arg(name + QStringLiteral(".ini")));
        return;
    }
    m_own = name;
    m_window.showOwnChart(m_own);
    if (!loadChart(m_own))
        return;
    m_window.showTournamentPicture(m_own);
    m_window.showChosenYear(0);
    // A tournament still to come begins with its groups.
    if (m_clock.now() <= knockoutStageStarts(m_own))
        m_window.showGroupPage();
}

bool VyloraApp::hasUnsavedChanges() const
{
    if (m_kept)
        return !m_window.edits().isAsideClean();
    // Saving is off for past tournaments: nothing there to lose.
    return m_tournament.chartName() == m_own && !m_window.edits().isClean();
}

void VyloraApp::shutDown()
{
    if (m_ended)
        return;
    m_settings.setCompactMode(m_window.isCompact());
    // The publisher's fields are stored only when filled in, which needs
    // the editor to have been opened.
    if (const std::optional<MainWindow::Publisher> publisher = m_window.publisherTyped()) {
        m_settings.setPseudo(publisher->pseudo);
        m_settings.setPassword(publisher->password);
    }
}
