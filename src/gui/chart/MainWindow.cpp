#include "gui/chart/MainWindow.h"

#include "gui/calendar/CalendarPanel.h"
#include "gui/calendar/MatchInfoPanel.h"
#include "gui/chart/ButtonBar.h"
#include "gui/chart/CellWiring.h"
#include "gui/chart/ChartEdits.h"
#include "gui/chart/ChartNews.h"
#include "gui/chart/ChartScaling.h"
#include "gui/chart/CompanionWindows.h"
#include "gui/chart/GroupPage.h"
#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/editor/EditorDoor.h"
#include "gui/editor/EditorPanel.h"
#include "gui/formats/FormatBracketPage.h"
#include "gui/formats/FormatGroupPage.h"
#include "gui/formats/FormatPages.h"
#include "gui/groups/GroupFrame.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/groups/TeamNameEdit.h"
#include "gui/help/HelpPanel.h"
#include "gui/history/HistoryPanel.h"
#include "gui/kit/CardFrame.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/CompactMode.h"
#include "gui/kit/Prompts.h"
#include "gui/knockout/KnockoutPanel.h"
#include "gui/online/Banner.h"
#include "gui/online/Links.h"
#include "gui/online/OnlineMessages.h"
#include "gui/online/UpdateCommand.h"
#include "gui/online/VersionNotice.h"
#include "gui/pictures/Pictures.h"
#include "gui/predictions/PredictionKeeper.h"
#include "history/Tournaments.h"
#include "online/ServerSettings.h"
#include "storage/ChartFile.h"
#include "storage/ModuleSetting.h"
#include "tournament/Knockout.h"
#include "tournament/Tournament.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

MainWindow::MainWindow(Tournament &t, Prompts &prompts, UserSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_binding(new CellBinding(t))
    , m_registry(new ControlRegistry(*this, t, *m_binding))
    , m_edits(new ChartEdits(t, this))
    , m_keeper(new PredictionKeeper(t, prompts, this))
    , m_scaling(new ChartScaling(*this))
    , m_companions(new CompanionWindows(*this, t, prompts, *m_keeper))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vylora 2010"));
    resize(px(ChartScaling::windowWidth), px(ChartScaling::windowHeight));
    setMinimumSize(px(ChartScaling::windowWidth) / 4, px(ChartScaling::windowHeight) / 4);

    // Built in the order they lie, the first beneath. The group page lies
    // beneath them all, built when first shown: after the group stage the
    // knock-out page covers it at start.
    m_bar = new ButtonBar(*this);
    QWidget *newsLink = buildChartNews(*this, t, *m_binding);
    m_knockout = new KnockoutPanel(t, *m_binding, this);
    m_knockout->setGeometry(twipsRect(15, 1020, 17610, ChartScaling::windowHeight - 1020));
    m_knockout->hide();
    // The calendar lies over both pages; the match information exists on
    // each of them.
    m_calendar = new CalendarPanel(t, this);
    m_matchInfo = new MatchInfoPanel(this, m_knockout);
    buildEditorDoor(settings);
    buildOnline();
    m_links->wire({{m_bar->home(), WebPage::Home}, {newsLink, WebPage::News}});
    m_links->wire(m_matchInfo->linkPoints());

    wireButtons();
    m_cells = std::make_unique<CellWiring>(t, *m_binding, *m_edits, *m_matchInfo);
    followChartShown();
    showChampion();
    m_cells->wireKnockoutPage(*m_knockout, *this);
    m_registry->adopt(*this);
    showKnockoutButton();
    showMessageTexts();
    m_edits->addShortcutsTo(this);
    CellWiring::chainTabOrder(nullptr, *m_knockout);
}

MainWindow::~MainWindow()
{
    m_formats.reset();
    delete m_companions;
    delete m_registry;
    delete m_binding;
}

void MainWindow::wireButtons()
{
    connect(m_bar->save(), &QPushButton::clicked, this, &MainWindow::saveChart);
    connect(m_bar->knockout(), &QToolButton::clicked, this, &MainWindow::toggleKnockoutPanel);
    connect(m_bar->help(), &QPushButton::clicked, this, &MainWindow::toggleHelpPanel);
    connect(m_bar->print(), &QPushButton::clicked, m_companions, &CompanionWindows::openPrintWindow);
    connect(m_bar->stats(), &QPushButton::clicked, m_companions, &CompanionWindows::showStatistics);
    connect(m_bar->predictions(), &QPushButton::clicked, m_companions, &CompanionWindows::showPredictions);
    connect(m_bar->history(), &QPushButton::clicked, this, &MainWindow::toggleHistoryPanel);
    connect(m_bar->calendar(), &QPushButton::clicked, this, &MainWindow::toggleCalendar);
    // Closing the window ends the program: the companion windows go with it.
    connect(m_bar->quit(), &QPushButton::clicked, this, &QWidget::close);
    connect(m_bar->unlock(), &ClickableLabel::clicked, this, &MainWindow::UnlockTeams);
    connect(m_bar->language(), &QComboBox::activated, this, &MainWindow::languageChosen);
    connect(m_bar->update(), &QPushButton::clicked, m_update, &UpdateCommand::run);
    connect(m_companions, &CompanionWindows::predictionChosen, this, &MainWindow::predictionChosen);
    connect(m_knockout, &KnockoutPanel::openClicked, this, &MainWindow::tournamentChosen);
}

// The publisher's banner, the links, the results update and the notice of
// a newer program: the window's parts that speak to the server.
void MainWindow::buildOnline()
{
    m_banner = new Banner(this, ChartScaling::bannerPlace(false), m_knockout, ChartScaling::bannerPlace(true));
    m_links = new Links(m_tournament, this);
    m_update = new UpdateCommand(
        *this, m_tournament.messages(), m_prompts, *m_banner,
        [this](const IniDocument &chart) { return m_loadChart && m_loadChart(chart); },
        [this] { return m_typedChart ? m_typedChart() : QByteArray(); });
    connect(m_update, &UpdateCommand::finished, this, [this](bool updated) {
        if (updated && !m_ended)
            showStatus(onlineMessages::text(m_tournament.messages(), Message::resultsLoaded));
    });
    m_versionNotice = std::make_unique<VersionNotice>(m_tournament.messages(), m_prompts, this, [this] {
        m_ended = true;
        emit endAsked();
    });
    m_editorDoor->watchBanners(m_banner->chartPicture(), m_banner->knockoutPicture());
    EditorPanel::Services editor;
    editor.reloadBanner = [this] { m_banner->reload(); };
    editor.showBanner = [this] { showPublisherBanner(); };
    editor.resultsUpdated = [this] { return m_update->resultsUpdated(); };
    editor.serverBase = [] { return ServerSettings::baseUrl(); };
    m_editorDoor->setServices(std::move(editor));
}

void MainWindow::buildEditorDoor(UserSettings &settings)
{
    m_editorDoor = new EditorDoor(
        m_tournament, m_prompts, settings,
        [this, &settings] {
            auto *editor =
                new EditorPanel(m_tournament, m_prompts, settings, {m_bar->update(), m_bar->save()}, this);
            connect(editor, &EditorPanel::confirmed, this, &MainWindow::showStatus);
            connect(editor, &EditorPanel::opened, this, &MainWindow::hideHelpPanel);
            m_banner->alsoShowOn(editor->bannerPicture());
            adopt(*editor);
            return editor;
        },
        *this);
}

void MainWindow::setHeadless(bool headless)
{
    m_headless = headless;
    m_versionNotice->setHeadless(headless);
}

bool MainWindow::checkVersion(const QString &cv)
{
    return m_versionNotice->check(cv);
}

LanguageFileStatus MainWindow::applyLanguageFile(const QString &path)
{
    LanguageFileStatus status;
    {
        const ControlRegistry::Indexed indexed(*m_registry);
        status = LoadLanguageFile(path, m_tournament.messages(), *m_registry);
    }
    if (status == LanguageFileStatus::Applied) {
        if (m_historyContent)
            m_historyContent->languageApplied();
        showYearLists();
        showMessageTexts();
    }
    return status;
}

void MainWindow::refreshTexts()
{
    m_binding->showTexts();
    if (m_formats)
        m_formats->binding().showTexts();
    m_calendar->RefreshCalendar();
}

void MainWindow::showOwnChart(const QString &chartName)
{
    m_ownChart = chartName;
    if (m_historyContent)
        m_historyContent->showOwnChart(chartName);
}

void MainWindow::showSchedule(const ScheduleIndex &schedule)
{
    m_calendar->setSchedule(schedule);
    // The rows of the 2010 chart wait for the pickers; a chart of another
    // format brings matches on other days, which the rows show at once, as
    // they do when the 2010 chart comes back after one.
    const bool wc32 = m_tournament.rules().isWc32();
    if (!wc32 || !m_scheduleWasWc32)
        m_calendar->RefreshCalendar();
    m_scheduleWasWc32 = wc32;
    // A chart without notes has no calendar to show.
    m_bar->calendar()->setEnabled(!schedule.isEmpty());
    if (schedule.isEmpty())
        m_calendar->hide();
}

void MainWindow::setToday(const QDate &today)
{
    m_calendar->setToday(today);
}

void MainWindow::showZone(const QString &zone)
{
    m_zone = zone;
    if (m_help)
        m_help->showZone(zone);
}

void MainWindow::showLanguage(int index)
{
    m_bar->language()->setCurrentIndex(index < m_bar->language()->count() ? index : -1);
}

void MainWindow::showPublisherBanner()
{
    m_scaling->openBannerStrip(*m_knockout);
    m_banner->show();
    if (!m_headless)
        m_banner->reload();
}

std::optional<MainWindow::Publisher> MainWindow::publisherTyped() const
{
    const EditorPanel *editor = m_editorDoor->builtPanel();
    if (!editor)
        return std::nullopt;
    return Publisher{editor->pseudo(), editor->password()};
}

// The caption and the page's title name the tournament shown, whichever
// way its chart came.
void MainWindow::followChartShown()
{
    m_binding->onTextChange(m_tournament.family(QStringLiteral("Text1")), 0, [this] {
        followFormat();
        setWindowTitle(QStringLiteral("Vylora ") + Tournaments::yearOfChart(m_tournament.chartName()));
        showPageTitle();
        // Where and when the match under the mouse was played belonged to
        // the chart before.
        m_matchInfo->setHoverKey(QString());
        m_matchInfo->ResetMatchInfo();
    });
}

void MainWindow::showPageTitle()
{
    const QString year = Tournaments::yearOfChart(m_tournament.chartName());
    m_bar->showTitle(year, m_tournament.rules().id == FormatId::Euro24
                               ? m_tournament.messages().at(Message::euroTitle).arg(year)
                               : QString());
}

// A chart of another format than the 2010 one has pages of its own over
// the 2010 ones, made for its format when it comes and gone with it.
void MainWindow::followFormat()
{
    const FormatRules &rules = m_tournament.rules();
    if (m_formats && &m_formats->rules() == &rules)
        return;
    m_formats.reset();
    if (rules.isWc32()) {
        if (m_knockout->isHidden() && isVisible())
            groupPage();
        placeHistoryPanel();
        return;
    }
    m_formats = std::make_unique<FormatPages>(m_tournament, *this, *m_knockout);
    // The calendar would cover the thirds' ranking: it comes when asked for.
    m_calendar->hide();
    FormatGroupPage &groups = m_formats->groups();
    groups.setGeometry(twipsRect(15, 1020, 17610, ChartScaling::windowHeight - 1020));
    groups.stackUnder(m_knockout);
    m_cells->wireFormatGroups(*m_formats);
    groups.show();
    adopt(groups);
    // The way out stays within reach over the new pages.
    m_bar->raiseAlwaysVisible();
    placeHistoryPanel();
    if (!m_knockout->isHidden())
        showFormatBracket();
}

void MainWindow::showFormatBracket()
{
    if (!m_formats || m_formats->builtBracket())
        return;
    FormatBracketPage &bracket = m_formats->bracket();
    bracket.setGeometry(twipsRect(0, 0, 17610, ChartScaling::windowHeight - 1020));
    bracket.raise();
    m_knockout->yearChoice()->raise();
    m_cells->wireFormatBracket(*m_formats);
    bracket.show();
    adopt(bracket);
}

// The page's partner picture gives way to the champion's once there is one,
// a cup of the year of the tournament shown.
void MainWindow::showChampion()
{
    QLabel *picture = m_matchInfo->knockoutPartnerPicture();
    const CellFamily &podium = m_tournament.podium();
    const auto show = [this, picture, &podium] {
        const QSize size = picture->size();
        picture->setPixmap(podium.text(1).isEmpty()
                               ? Pictures::partner(size)
                               : Pictures::championOf(Tournaments::yearOfChart(m_tournament.chartName()), size));
    };
    m_binding->onTextChange(podium, 1, show);
    m_binding->onTextChange(m_tournament.family(QStringLiteral("Text1")), 0, show);
    show();
}

GroupPage &MainWindow::groupPage()
{
    if (!m_groups) {
        // The window gives its focus to the first stop of its tab chain,
        // which is the first score cell: built later than the rest, the
        // page takes that focus over from whatever stood in for it.
        const auto firstTabStop = [this]() -> QWidget * {
            for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
                if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this))
                    return w;
            return nullptr;
        };
        const QWidget *standIn = firstTabStop();
        m_groups = std::make_unique<GroupPage>(*this, m_tournament, *m_binding);
        m_cells->wireGroupPage(*m_groups);
        CellWiring::chainTabOrder(m_groups.get(), *m_knockout);
        // The match information's copy lies over the groups, beneath the
        // knock-out page.
        QList<QWidget *> built = m_groups->widgets();
        for (QWidget *w : m_matchInfo->buildGroupPageCopy()) {
            w->stackUnder(m_knockout);
            built.append(w);
        }
        // A chart of another format keeps its own page over them.
        if (m_formats)
            m_formats->groups().stackUnder(m_knockout);
        m_links->wire(m_matchInfo->linkPoints());
        for (QWidget *w : std::as_const(built)) {
            compactMode::adopt(*w);
            m_registry->adopt(*w);
        }
        showMessageTexts();
        if (!focusWidget() || focusWidget() == standIn)
            m_groups->frames().front()->scoreCells().front()->setFocus(Qt::OtherFocusReason);
    }
    return *m_groups;
}

HelpPanel *MainWindow::helpPanel()
{
    if (!m_help) {
        m_help = new HelpPanel(m_tournament, *m_binding, this);
        m_help->setGeometry(twipsRect(15, 930, 17565, 8985));
        m_help->hide();
        connect(m_help->backButton(), &QPushButton::clicked, this, &MainWindow::toggleHelpPanel);
        connect(m_help->modeButton(), &QPushButton::clicked, this, &MainWindow::ToggleCompactMode);
        connect(m_help->keepButton(), &QPushButton::clicked, this, [this] { m_keeper->keepOwn(this); });
        connect(m_help, &HelpPanel::zoneChosen, this, &MainWindow::zoneChosen);
        m_editorDoor->watchTitle(m_help->title());
        m_links->wire(m_help->linkPoints());
        showZone(m_zone);
        adopt(*m_help);
    }
    return m_help;
}

// A card like the group tables, its caption on the tab.
QWidget *MainWindow::historyPanel()
{
    if (!m_history) {
        m_history = new CardFrame(QString(), this);
        nameControl(m_history, QStringLiteral("FraHisto"));
        m_history->hide();
        placeHistoryPanel();
        m_historyContent = new HistoryPanel(m_tournament, *m_binding, m_history);
        connect(m_historyContent, &HistoryPanel::openClicked, this, &MainWindow::tournamentChosen);
        connect(m_historyContent, &HistoryPanel::returnClicked, this, &MainWindow::returnChosen);
        connect(m_historyContent, &HistoryPanel::ownChartClicked, this, &MainWindow::ownChartChosen);
        adopt(*m_history);
        m_historyContent->showOwnChart(m_ownChart);
        m_historyContent->showPicture(m_ownChart);
    }
    return m_history;
}

// A panel built after start-up takes what the others took then: the
// lines of the language file, the compact scale and the message texts.
void MainWindow::adopt(QWidget &panel)
{
    compactMode::adopt(panel);
    m_registry->adopt(panel);
    showMessageTexts();
}

EditorPanel *MainWindow::editor()
{
    return &m_editorDoor->panel();
}

void MainWindow::buildEveryPanel()
{
    groupPage();
    helpPanel();
    historyPanel();
    editor();
}

void MainWindow::showMessageTexts()
{
    showPageTitle();
    showKnockoutButton();
    showModeCaption();
    const MessageTable &messages = m_tournament.messages();
    const QString shootOut = messages.text(Message::shootOut);
    for (Round r : m_tournament.rounds()) {
        CellFamily &penalties = *m_tournament.round(r).penalties;
        for (int i = penalties.first(); i <= penalties.last(); ++i)
            m_tournament.setToolTip(penalties, i, shootOut);
    }
    const QString refused = messages.text(Message::refusedCharacter);
    if (m_groups)
        for (TeamNameEdit *team : m_groups->teamCells())
            team->setRefusalText(refused);
}

// The year lists in the language of the message table, on the prompt.
void MainWindow::showYearLists()
{
    for (QComboBox *years : {m_historyContent ? m_historyContent->yearList() : nullptr, m_knockout->yearList()}) {
        if (!years)
            continue;
        years->clear();
        years->addItems(yearListEntries(m_tournament.messages()));
        years->setCurrentIndex(0);
    }
}

void MainWindow::showKnockoutButton()
{
    m_bar->showKnockoutButton(m_tournament.messages(), !m_knockout->isHidden());
}

void MainWindow::showModeCaption()
{
    if (!m_help)
        return;
    const MessageTable &messages = m_tournament.messages();
    m_help->modeButton()->setText(isCompact() ? messages.text(Message::toNormal)
                                              : messages.text(Message::toCompact));
}

bool MainWindow::saveChart()
{
    const MessageTable &messages = m_tournament.messages();
    if (SaveChart(m_tournament)) {
        showStatus(messages.text(Message::saved));
        m_edits->markSaved();
        return true;
    }
    // Saying nothing here would let the user believe the predictions are
    // safe until the next start shows them gone.
    const QString text = messages.text(Message::saveFailed);
    m_prompts.warning(this, QStringLiteral("Vylora 2010"),
                      text.arg(QDir::toNativeSeparators(iniFilePath(m_tournament.chartName()))));
    return false;
}

void MainWindow::setSaveEnabled(bool enabled)
{
    m_bar->save()->setEnabled(enabled);
}

void MainWindow::showStatus(const QString &text)
{
    m_bar->showStatus(text);
}

void MainWindow::UnlockTeams()
{
    const QList<TeamNameEdit *> teams = m_formats ? teamCellsOf(m_formats->groups().frames()) : groupPage().teamCells();
    for (TeamNameEdit *team : teams)
        team->setReadOnly(false);
    m_bar->save()->setEnabled(true);
    m_prompts.notice(this, QStringLiteral("OK"), m_tournament.messages().text(Message::teamsUnlocked));
}

void MainWindow::ToggleCompactMode()
{
    hideHelpPanel();
    m_scaling->toggleCompact();
    showModeCaption();
}

bool MainWindow::isCompact() const
{
    return m_scaling->isCompact();
}

void MainWindow::fitToScreen()
{
    m_scaling->fitToScreen();
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (m_knockout->isHidden())
        showGroups();
    QWidget::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_scaling->followResize();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    m_keeper->addFile(this, urls.front().toLocalFile());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    m_companions->closeAll();
    emit closing();
    QWidget::closeEvent(event);
}
