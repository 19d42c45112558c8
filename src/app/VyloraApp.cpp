#include "app/VyloraApp.h"

#include "app/Clock.h"
#include "gui/calendar/CalendarPanel.h"
#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/editor/EditorDoor.h"
#include "gui/editor/EditorPanel.h"
#include "gui/help/HelpPanel.h"
#include "gui/kit/Prompts.h"
#include "gui/knockout/KnockoutPanel.h"
#include "gui/online/OnlineMessages.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "online/ServerSettings.h"
#include "predictions/PredictionFile.h"
#include "schedule/BuildSchedule.h"
#include "schedule/UserZone.h"
#include "storage/ChartFile.h"
#include "storage/KeptPredictions.h"
#include "storage/ModuleSetting.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/Knockout.h"
#include "tournament/RefreshAll.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

namespace {

// After this moment the knock-out phase is what people come to see.
const QDateTime knockoutStageStarts(QDate(2010, 6, 26), QTime(0, 0));

const QString currentChart = QStringLiteral("VYL2010");

} // namespace

VyloraApp::VyloraApp(Prompts &prompts, const Clock &clock, UserSettings &settings)
    : m_prompts(prompts)
    , m_clock(clock)
    , m_settings(settings)
    , m_window(m_tournament, prompts, settings)
    , m_banner(new Banner(&m_window, m_window.bannerPlace(&m_window), m_window.knockoutPage(),
                          m_window.bannerPlace(m_window.knockoutPage())))
    , m_links(new Links(m_window.controls(), m_tournament, m_window, m_window.knockoutPage(), this))
    , m_update(new UpdateCommand(m_window, m_tournament.messages(), prompts, *m_banner,
                                 [this] { return loadChart(currentChart); }))
    , m_versionNotice(m_tournament.messages(), prompts, &m_window, [this] { endProgram(); })
    , m_programEnd([] { QCoreApplication::exit(0); })
{
    m_window.editorDoor().watchBanners(m_banner->chartPicture(), m_banner->knockoutPicture());
    connect(&m_window, &MainWindow::languageClicked, this,
            [this](int index) { applyLanguage(LanguageIndex(index)); });
    connect(&m_window, &MainWindow::closing, this, &VyloraApp::shutDown);
    connect(&m_window, &MainWindow::tournamentChosen, this, &VyloraApp::openTournament);
    connect(&m_window, &MainWindow::returnChosen, this, &VyloraApp::returnToCurrent);
    connect(&m_window, &MainWindow::predictionChosen, this, &VyloraApp::openPrediction);
    m_window.setCloseGuard([this] { return mayClose(); });
    connect(m_window.updateButton(), &QAbstractButton::clicked, m_update, &UpdateCommand::run);
    connect(m_update, &UpdateCommand::finished, this, [this](bool updated) {
        if (updated && !m_ended)
            m_window.showStatus(onlineMessages::text(m_tournament.messages(), Message::resultsLoaded));
    });
    connect(&m_window, &MainWindow::panelBuilt, this, [this](QWidget *panel) {
        if (auto *editor = qobject_cast<EditorPanel *>(panel))
            m_banner->alsoShowOn(editor->bannerPicture());
        if (auto *help = qobject_cast<HelpPanel *>(panel)) {
            m_links->setHelpPanel(help); // wires its links
            connect(help->zoneList(), &QComboBox::textActivated, this, &VyloraApp::chooseTimeZone);
            showZoneChoice(*help);
            return;
        }
        m_links->wire();
    });
    // A publisher sees the server's banner from the start.
    connect(this, &VyloraApp::publisherKnown, m_banner, [this] {
        m_window.openBannerStrip();
        m_banner->show();
        if (!m_headless)
            m_banner->reload();
    });
    EditorPanel::Services editor;
    editor.reloadBanner = [this] { m_banner->reload(); };
    editor.resultsUpdated = [this] { return m_update->resultsUpdated(); };
    editor.serverBase = [] { return ServerSettings::baseUrl(); };
    m_window.editorDoor().setServices(std::move(editor));
}

bool VyloraApp::start()
{
    m_zone = userZone(m_zoneOption, m_settings.timeZone());
    applyLanguage(languageIndexFromStored(m_settings.language()));
    if (!loadChart(currentChart))
        return false;
    if (m_clock.now() > knockoutStageStarts)
        m_window.toggleKnockoutPanel();
    if (m_settings.compactMode())
        m_window.ToggleCompactMode();
    // The user's today, in the zone the kick-offs are shown in.
    m_window.calendar()->setToday(m_clock.now().toTimeZone(m_zone).date());
    if (const QString pseudo = m_settings.pseudo(); !pseudo.isEmpty())
        emit publisherKnown(pseudo);
    return true;
}

bool VyloraApp::loadChart(const QString &name, Saving saving)
{
    // The user's chart from its file: one kept aside would bring back what
    // the file no longer holds.
    if (name == currentChart) {
        m_kept.reset();
        m_window.edits().dropAside();
    }
    ChartHooks hooks;
    hooks.versionCheck = [this](const QString &cv) { return m_versionNotice.check(cv); };
    hooks.buildSchedule = [this](const QString &chart) {
        m_window.calendar()->setSchedule(BuildSchedule(m_tournament, chart, m_zone));
    };
    hooks.fileProblem = [this, name](ChartFileProblem problem, const QString &path) {
        const MessageTable &messages = m_tournament.messages();
        const QString file = QDir::toNativeSeparators(iniFilePath(name));
        const QString text =
            problem == ChartFileProblem::TooLarge
                ? messages
                      .textOr(Message::chartTooLarge,
                              QStringLiteral("Le fichier %1 est trop volumineux pour être un pronostic. "
                                             "Il n'a pas été chargé et aucun enregistrement ne l'écrasera."))
                      .arg(file)
                : messages
                      .textOr(Message::notAChart,
                              QStringLiteral("Le fichier %1 ne contient pas de pronostic. Il est conservé "
                                             "sous le nom %2 et une grille vide est affichée."))
                      .arg(file, QDir::toNativeSeparators(path));
        m_prompts.warning(&m_window, QStringLiteral("Vylora 2010"), text);
    };
    if (!LoadWholeChart(m_tournament, name, m_sage, hooks))
        return false;
    m_window.edits().clear();
    m_window.setSaveEnabled(saving == Saving::On);
    return true;
}

void VyloraApp::chooseTimeZone(const QString &zone)
{
    const QTimeZone chosen(zone.toUtf8());
    if (!chosen.isValid())
        return;
    m_settings.setTimeZone(zone);
    m_zone = chosen;
    if (!m_tournament.chartName().isEmpty())
        m_window.calendar()->setSchedule(BuildSchedule(m_tournament, m_tournament.chartName(), m_zone));
    m_window.calendar()->RefreshCalendar();
}

void VyloraApp::showZoneChoice(HelpPanel &help)
{
    QComboBox *zones = help.zoneList();
    zones->setCurrentIndex(zones->findText(QString::fromUtf8(m_zone.id())));
}

void VyloraApp::setHeadless(bool headless)
{
    m_headless = headless;
    m_versionNotice.setHeadless(headless);
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
    if (m_tournament.chartName() == currentChart) {
        m_kept = m_tournament.cells();
        m_window.edits().setAside();
    }
}

void VyloraApp::openTournament(int entry)
{
    const QString year = Tournaments::year(entry);
    if (year.isEmpty())
        return;
    setUserChartAside();
    m_window.hideHelpPanel();
    m_window.showTournamentPicture(entry);
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
    if (m_window.historyPanel()->isHidden())
        m_window.toggleHistoryPanel();
    m_window.setWindowTitle(QStringLiteral("Vylora 2010 - ") + name);
}

void VyloraApp::returnToCurrent()
{
    if (m_kept) {
        m_tournament.restoreCells(*m_kept);
        m_kept.reset();
        m_window.edits().bringBack();
        m_window.setSaveEnabled(true);
    } else if (!loadChart(currentChart)) {
        return;
    }
    m_window.hideHistoryPanel();
    m_window.showTournamentPicture(Tournaments::last);
    m_window.showChosenYear(0);
}

void VyloraApp::applyLanguage(LanguageIndex index)
{
    if (!languageFileName(index).isEmpty())
        applyLanguageFile(index);
    m_qtTexts.apply(index);
    m_sage = index;
    showNewsMessage();
    // Written only when it changes: every start applies the stored one.
    if (m_settings.language() != QString::number(index))
        m_settings.setLanguage(index);
}

void VyloraApp::applyLanguageFile(LanguageIndex index)
{
    MessageTable &messages = m_tournament.messages();
    ControlRegistry &controls = m_window.controls();
    const QString path = ProgramFolder::filePath(languageFileName(index));
    LanguageFileStatus status;
    {
        const ControlRegistry::Indexed indexed(controls);
        status = LoadLanguageFile(path, messages, controls);
    }
    switch (status) {
    case LanguageFileStatus::Applied:
        break;
    case LanguageFileStatus::Missing:
        m_prompts.notice(&m_window, QStringLiteral("Vylora 2010"), missingLanguageFileNotice.toString());
        return;
    case LanguageFileStatus::TooLarge:
        m_prompts.warning(
            &m_window, QStringLiteral("Vylora 2010"),
            messages
                .textOr(Message::languageFileTooLarge,
                        QStringLiteral("Le fichier de langue %1 est trop volumineux : il n'a pas été appliqué."))
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    m_window.showYearLists();
    m_window.showMessageTexts();
    refreshLanguageTexts();
}

// Texts that the rules wrote from the message table follow the new
// language at once rather than at the next recomputation.
void VyloraApp::refreshLanguageTexts()
{
    for (GroupId g : allGroups) {
        CellFamily &notice = *m_tournament.group(g).tieNotice;
        if (!notice.text(0).isEmpty())
            m_tournament.setText(notice, 0, m_tournament.messages().at(Message::drawLots));
    }
    if (m_tournament.isReady())
        RefreshGoalTotal(m_tournament);
    m_window.binding().showTexts();
    m_window.calendar()->RefreshCalendar();
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
    if (!hasUnsavedChanges())
        return true;
    const MessageTable &messages = m_tournament.messages();
    const int answer = m_prompts.choice(
        &m_window, QStringLiteral("Vylora 2010"),
        messages.textOr(Message::unsavedQuestion,
                        QStringLiteral("Votre pronostic a changé depuis le dernier enregistrement. "
                                       "Voulez-vous l'enregistrer avant de quitter ?")),
        {messages.textOr(Message::saveAnswer, QStringLiteral("Enregistrer")),
         messages.textOr(Message::discardAnswer, QStringLiteral("Quitter sans enregistrer")),
         messages.textOr(Message::stayAnswer, QStringLiteral("Annuler"))});
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

bool VyloraApp::hasUnsavedChanges() const
{
    if (m_kept)
        return !m_window.edits().isAsideClean();
    // Saving is off for past tournaments: nothing there to lose.
    return m_tournament.chartName() == currentChart && !m_window.edits().isClean();
}

void VyloraApp::shutDown()
{
    if (m_ended)
        return;
    m_settings.setCompactMode(m_window.isCompact());
    // The publisher's fields are stored only when filled in, which needs
    // the editor to have been opened.
    if (const EditorPanel *editor = m_window.editorDoor().builtPanel()) {
        m_settings.setPseudo(editor->pseudo());
        m_settings.setPassword(editor->password());
    }
}
