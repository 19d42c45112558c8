#include "app/VyloraApp.h"

#include "app/Clock.h"
#include "gui/calendar/CalendarPanel.h"
#include "gui/editor/EditorPanel.h"
#include "gui/help/HelpPanel.h"
#include "gui/kit/CellBinding.h"
#include "gui/kit/ControlRegistry.h"
#include "gui/kit/Prompts.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "online/ServerSettings.h"
#include "schedule/BuildSchedule.h"
#include "schedule/UserZone.h"
#include "storage/ChartFile.h"
#include "storage/ModuleSetting.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/Knockout.h"
#include "tournament/RefreshAll.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

namespace {

// After this moment the knock-out phase is what people come to see.
const QDateTime knockoutStageStarts(QDate(2010, 6, 26), QTime(0, 0));

const QString currentChart = QStringLiteral("VYL2010");

// The unsaved-predictions question and its three answers.
constexpr int unsavedQuestion = 19;
constexpr int saveAnswer = 20;
constexpr int discardAnswer = 21;
constexpr int stayAnswer = 22;
// Opening a past tournament over unsaved predictions ("%1" is its year),
// and the answer that opens it anyway.
constexpr int openingQuestion = 47;
constexpr int openAnswer = 48;

// Message entries of files that cannot be shown; "%1" is the file, "%2"
// where a file that holds no chart is kept now.
constexpr int notAChartMessage = 85;
constexpr int chartTooLargeMessage = 86;
constexpr int languageFileTooLargeMessage = 87;

} // namespace

VyloraApp::VyloraApp(Prompts &prompts, const Clock &clock, UserSettings &settings)
    : m_prompts(prompts)
    , m_clock(clock)
    , m_settings(settings)
    , m_window(m_tournament, prompts)
    , m_banner(new Banner(m_window.controls(), &m_window, m_window.controls().control(QStringLiteral("Frame9"))))
    , m_links(new Links(m_window.controls(), m_tournament, this))
    , m_update(new UpdateCommand(m_window, prompts, *m_banner, [this] { return loadChart(currentChart); }))
    , m_versionNotice(m_tournament.messages(), prompts, &m_window, [this] { endProgram(); })
    , m_programEnd([] { QCoreApplication::exit(0); })
{
    connect(&m_window, &MainWindow::languageClicked, this,
            [this](int index) { applyLanguage(LanguageIndex(index)); });
    connect(&m_window, &MainWindow::closing, this, &VyloraApp::shutDown);
    connect(&m_window, &MainWindow::tournamentChosen, this, &VyloraApp::openTournament);
    connect(&m_window, &MainWindow::returnChosen, this, &VyloraApp::returnToCurrent);
    connect(m_window.helpPanel()->zoneList(), &QComboBox::textActivated, this, &VyloraApp::chooseTimeZone);
    m_window.setCloseGuard([this] { return mayClose(); });
    if (auto *updateButton =
            qobject_cast<QAbstractButton *>(m_window.controls().control(QStringLiteral("Command8"))))
        connect(updateButton, &QAbstractButton::clicked, m_update, &UpdateCommand::run);
    // A publisher sees the server's banner from the start.
    connect(this, &VyloraApp::publisherKnown, m_banner, [this] {
        m_banner->show();
        if (!m_headless)
            m_banner->reload();
    });
    EditorPanel::Services editor;
    editor.reloadBanner = [this] { m_banner->reload(); };
    editor.resultsUpdated = [this] { return m_update->resultsUpdated(); };
    editor.serverBase = [] { return ServerSettings::baseUrl(); };
    m_window.editor()->setServices(std::move(editor));
}

bool VyloraApp::start()
{
    m_zone = userZone(m_zoneOption, m_settings.timeZone());
    showZoneChoice();
    applyLanguage(languageIndexFromStored(m_settings.language()));
    if (!loadChart(currentChart))
        return false;
    m_tournament.setReady(true);
    RefreshAll(m_tournament);
    if (m_clock.now() > knockoutStageStarts)
        m_window.toggleKnockoutPanel();
    if (m_settings.compactMode())
        m_window.ToggleCompactMode();
    // The user's today, in the zone the kick-offs are shown in.
    m_window.calendar()->setToday(m_clock.now().toTimeZone(m_zone).date());
    m_window.editor()->watchEntryPoints();
    if (const QString pseudo = m_settings.pseudo(); !pseudo.isEmpty())
        emit publisherKnown(pseudo);
    return true;
}

bool VyloraApp::loadChart(const QString &name)
{
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
                      .textOr(chartTooLargeMessage,
                              QStringLiteral("Le fichier %1 est trop volumineux pour être un pronostic. "
                                             "Il n'a pas été chargé et aucun enregistrement ne l'écrasera."))
                      .arg(file)
                : messages
                      .textOr(notAChartMessage,
                              QStringLiteral("Le fichier %1 ne contient pas de pronostic. Il est conservé "
                                             "sous le nom %2 et une grille vide est affichée."))
                      .arg(file, QDir::toNativeSeparators(path));
        m_prompts.warning(&m_window, QStringLiteral("Vylora 2010"), text);
    };
    const bool loaded = LoadChart(m_tournament, name, m_sage, hooks);
    m_window.edits().clear();
    return loaded;
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

void VyloraApp::showZoneChoice()
{
    QComboBox *zones = m_window.helpPanel()->zoneList();
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

void VyloraApp::openTournament(int entry)
{
    const QString year = Tournaments::year(entry);
    if (year.isEmpty() || !keepPredictions(year))
        return;
    m_window.showTournamentPicture(entry);
    if (!loadChart(Tournaments::chartName(entry)))
        return;
    m_window.setSaveEnabled(false);
    m_tournament.setReady(true);
    RefreshAll(m_tournament);
    m_window.showChosenYear(entry);
}

// Opening a tournament replaces the user's chart: predictions typed since
// the last save are offered a save first rather than lost in silence.
bool VyloraApp::keepPredictions(const QString &year)
{
    const MessageTable &messages = m_tournament.messages();
    return settleUnsavedChanges(
        messages
            .textOr(openingQuestion, QStringLiteral("Votre pronostic a changé depuis le dernier enregistrement. "
                                                    "Voulez-vous l'enregistrer avant d'ouvrir %1 ?"))
            .arg(year),
        messages.textOr(openAnswer, QStringLiteral("Ouvrir sans enregistrer")));
}

void VyloraApp::returnToCurrent()
{
    if (!loadChart(currentChart))
        return;
    m_window.setSaveEnabled(true);
    m_tournament.setReady(true);
    // The full refresh of every other whole-chart load: the load's own
    // change events would leave the past tournament's quarter-finalists,
    // podium and champion wherever the user's chart decides nothing.
    RefreshAll(m_tournament);
    m_window.hideHistoryPanel();
    m_window.showTournamentPicture(Tournaments::last);
    m_window.showChosenYear(0);
}

void VyloraApp::applyLanguage(LanguageIndex index)
{
    if (!languageFileName(index).isEmpty())
        applyLanguageFile(index);
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
    switch (LoadLanguageFile(path, messages, controls)) {
    case LanguageFileStatus::Applied:
        break;
    case LanguageFileStatus::Missing:
        m_prompts.notice(&m_window, QStringLiteral("Vylora 2010"), missingLanguageFileNotice.toString());
        return;
    case LanguageFileStatus::TooLarge:
        m_prompts.warning(
            &m_window, QStringLiteral("Vylora 2010"),
            messages
                .textOr(languageFileTooLargeMessage,
                        QStringLiteral("Le fichier de langue %1 est trop volumineux : il n'a pas été appliqué."))
                .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // The fixed parts: those of the history panels apply once it exists.
    if (QWidget *history = controls.control(QStringLiteral("Command9")))
        controls.setCaption(history, messages.at(2));
    if (QWidget *current = controls.control(QStringLiteral("Command10")))
        controls.setCaption(current, messages.at(1));
    for (const QString &name : {QStringLiteral("Combo1"), QStringLiteral("Combo2")}) {
        if (auto *years = qobject_cast<QComboBox *>(controls.control(name))) {
            years->clear();
            years->addItems(yearListEntries(messages));
            years->setCurrentIndex(0);
        }
    }
    m_window.showMessageTexts();
    m_window.editor()->showMessageTexts();
    refreshLanguageTexts();
}

// Texts that the rules wrote from the message table follow the new
// language at once rather than at the next recomputation.
void VyloraApp::refreshLanguageTexts()
{
    for (GroupId g : allGroups) {
        CellFamily &notice = *m_tournament.group(g).tieNotice;
        if (!notice.text(0).isEmpty())
            m_tournament.setText(notice, 0, m_tournament.messages().at(3));
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
    const MessageTable &messages = m_tournament.messages();
    return settleUnsavedChanges(
        messages.textOr(unsavedQuestion,
                        QStringLiteral("Votre pronostic a changé depuis le dernier enregistrement. "
                                       "Voulez-vous l'enregistrer avant de quitter ?")),
        messages.textOr(discardAnswer, QStringLiteral("Quitter sans enregistrer")));
}

// Unsaved predictions: save them, let them go, or stay where one is. False
// to stay, also after a failed save, which has been said.
bool VyloraApp::settleUnsavedChanges(const QString &question, const QString &discard)
{
    // Saving is off for past tournaments: nothing there to lose.
    if (!hasUnsavedChanges() || m_tournament.chartName() != currentChart)
        return true;
    const MessageTable &messages = m_tournament.messages();
    const int answer = m_prompts.choice(&m_window, QStringLiteral("Vylora 2010"), question,
                                        {messages.textOr(saveAnswer, QStringLiteral("Enregistrer")), discard,
                                         messages.textOr(stayAnswer, QStringLiteral("Annuler"))});
    switch (answer) {
    case 0:
        return m_window.saveChart();
    case 1:
        return true;
    default:
        return false;
    }
}

void VyloraApp::shutDown()
{
    if (m_ended)
        return;
    // The publisher's fields are stored only when filled in.
    m_settings.setCompactMode(m_window.isCompact());
    ControlRegistry &controls = m_window.controls();
    if (auto *pseudo = qobject_cast<QLineEdit *>(controls.control(QStringLiteral("Text2"), 1)))
        m_settings.setPseudo(pseudo->text());
    if (auto *password = qobject_cast<QLineEdit *>(controls.control(QStringLiteral("Text2"), 0)))
        m_settings.setPassword(password->text());
}
