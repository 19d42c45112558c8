#include "gui/chart/MainWindow.h"

#include "gui/calendar/CalendarPanel.h"
#include "gui/calendar/MatchInfoPanel.h"
#include "gui/chart/ChartEdits.h"
#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/editor/EditorDoor.h"
#include "gui/editor/EditorPanel.h"
#include "gui/groups/GroupFrame.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/groups/TeamNameEdit.h"
#include "gui/help/HelpPanel.h"
#include "gui/history/HistoryPanel.h"
#include "gui/history/StatsWindow.h"
#include "gui/kit/CardFrame.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/CompactMode.h"
#include "gui/kit/Prompts.h"
#include "gui/knockout/KnockoutPanel.h"
#include "gui/knockout/RoundOf16Summary.h"
#include "gui/pictures/Pictures.h"
#include "gui/predictions/PredictionKeeper.h"
#include "gui/predictions/PredictionsWindow.h"
#include "gui/print/PagePrinter.h"
#include "gui/print/PrintWindow.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageIndex.h"
#include "storage/ChartFile.h"
#include "storage/ModuleSetting.h"
#include "tournament/Knockout.h"
#include "tournament/ProgramVersion.h"
#include "tournament/Tournament.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int windowWidth = 17640;
constexpr int windowHeight = 11400;
constexpr int groupWidth = 6540;
constexpr int groupHeight = 2550;
constexpr int groupsTop = 1020;
// Below the chart, for a publisher: the server's banner lies there at its
// own size on both pages, over no control.
constexpr int bannerStripHeight = 1200;
constexpr int statusShownMs = 4000;

} // namespace

MainWindow::MainWindow(Tournament &t, Prompts &prompts, UserSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_binding(new CellBinding(t))
    , m_registry(new ControlRegistry(*this, t, *m_binding))
    , m_edits(new ChartEdits(t, this))
    , m_keeper(new PredictionKeeper(t, prompts, this))
{
    setAcceptDrops(true);
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vylora 2010"));
    resize(px(windowWidth), px(windowHeight));
    setMinimumSize(px(windowWidth) / 4, px(windowHeight) / 4);
    // Resizing sends a burst of events; the chart is laid out again once
    // the burst is over, never for a keystroke.
    m_rescaleTimer = new QTimer(this);
    m_rescaleTimer->setSingleShot(true);
    m_rescaleTimer->setInterval(0);
    connect(m_rescaleTimer, &QTimer::timeout, this, &MainWindow::rescaleToWindow);

    for (GroupId g : allGroups) {
        auto *frame = new GroupFrame(t, *m_binding, g, this);
        const int column = groupIndex(g) / 4;
        const int row = groupIndex(g) % 4;
        frame->setGeometry(twipsRect(45 + column * (groupWidth + 45), groupsTop + row * (groupHeight + 30),
                                     groupWidth, groupHeight));
        m_groups.append(frame);
    }
    m_roundOf16 = new RoundOf16Summary(t, *m_binding, this);
    m_roundOf16->setGeometry(twipsRect(13230, 7860, 4365, 2820));

    buildButtonBar();
    buildNews();

    m_knockout = new KnockoutPanel(t, *m_binding, this);
    m_knockout->setGeometry(twipsRect(15, 1020, 17610, windowHeight - 1020));
    m_knockout->hide();

    // The calendar lies over both pages; the match information exists on
    // each of them.
    m_calendar = new CalendarPanel(t, this);
    m_matchInfo = new MatchInfoPanel(this, m_knockout);

    followChartShown();
    connect(m_knockout, &KnockoutPanel::openClicked, this, &MainWindow::tournamentChosen);

    m_editorDoor = new EditorDoor(
        t, prompts, settings,
        [this, &settings] {
            auto *editor =
                new EditorPanel(m_tournament, m_prompts, settings, {m_updateButton, m_saveButton}, this);
            connect(editor, &EditorPanel::confirmed, this, &MainWindow::showStatus);
            connect(editor, &EditorPanel::opened, this, [this] {
                if (m_help)
                    m_help->hide();
            });
            adopt(*editor);
            return editor;
        },
        *this);
    watchMatches();
    showChampion();
    showMessageTexts();

    handEditsToTheChart();
    chainTabOrder();
}

MainWindow::~MainWindow()
{
    delete m_printWindow;
    delete m_registry;
    delete m_binding;
}

void MainWindow::buildButtonBar()
{
    m_saveButton = makeControl<QPushButton>(this, QStringLiteral("Command3"), -1, QRect(45, 0, 915, 915),
                                            QStringLiteral("Sauve"));
    connect(m_saveButton, &QPushButton::clicked, this, &MainWindow::saveChart);

    m_updateButton = makeControl<QPushButton>(this, QStringLiteral("Command8"), -1, QRect(1005, 0, 1035, 915),
                                              QStringLiteral("Mise à jour"));
    m_updateButton->setToolTip(QStringLiteral("Télécharger les résultats officiels"));

    m_knockoutButton = makeControl<QToolButton>(this, QStringLiteral("Command1"), -1, QRect(2085, 0, 1395, 915));
    m_knockoutButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_knockoutButton->setIconSize(QSize(px(1395) - 12, px(915) - 30));
    m_knockoutButton->setIcon(Pictures::knockoutButton(1, m_knockoutButton->iconSize()));
    // "Phase de Groupes" is the longest caption of the bar; a point less
    // keeps it whole under the picture.
    chartLook::setFontSize(m_knockoutButton, m_knockoutButton->font().pointSize() - 1, false);
    showKnockoutCaption();
    connect(m_knockoutButton, &QToolButton::clicked, this, &MainWindow::toggleKnockoutPanel);

    auto *help = makeControl<QPushButton>(this, QStringLiteral("Command6"), -1, QRect(3525, 0, 915, 915),
                                          QStringLiteral("Aide"));
    connect(help, &QPushButton::clicked, this, &MainWindow::toggleHelpPanel);
    auto *print = makeControl<QPushButton>(this, QStringLiteral("Command13"), -1, QRect(12450, 0, 915, 915));
    print->setIconSize(QSize(px(915) - 16, px(915) - 16));
    print->setIcon(Pictures::printer(print->iconSize()));
    print->setToolTip(QStringLiteral("Imprimer le tableau"));
    connect(print, &QPushButton::clicked, this, &MainWindow::openPrintWindow);
    auto *stats = makeControl<QPushButton>(this, QStringLiteral("Command21"), -1, QRect(13410, 0, 855, 915),
                                           QStringLiteral("Stats"));
    stats->setToolTip(QStringLiteral("Classement final et buts du tournoi affiché"));
    connect(stats, &QPushButton::clicked, this, &MainWindow::showStatistics);
    auto *predictions = makeControl<QPushButton>(this, QStringLiteral("Command22"), -1, QRect(14310, 0, 1110, 915),
                                                 QStringLiteral("Pronostics"));
    predictions->setToolTip(QStringLiteral("Les pronostics gardés, comptés d'après les résultats"));
    connect(predictions, &QPushButton::clicked, this, &MainWindow::showPredictions);
    auto *history = makeControl<QPushButton>(this, QStringLiteral("Command11"), -1, QRect(15465, 0, 930, 915),
                                             QStringLiteral("Historique"));
    history->setToolTip(QStringLiteral("Revoir les Coupes du monde 1998, 2002 et 2006"));
    connect(history, &QPushButton::clicked, this, &MainWindow::toggleHistoryPanel);
    auto *calendar = makeControl<QPushButton>(this, QStringLiteral("Command15"), -1, QRect(16440, 0, 1155, 915),
                                              QStringLiteral("Calendrier"));
    connect(calendar, &QPushButton::clicked, this, &MainWindow::toggleCalendar);

    // Closing the window ends the program: the companion windows go with it.
    m_quitButton = makeControl<QPushButton>(this, QStringLiteral("Command5"), -1, QRect(16320, 10800, 1245, 480),
                                            QStringLiteral("Quitter"));
    connect(m_quitButton, &QPushButton::clicked, this, &QWidget::close);

    m_status = makeControl<QLabel>(this, QStringLiteral("LabEtat"), -1, QRect(13230, 10800, 3000, 480));
    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    chartLook::setTextColour(m_status, chartLook::banner);
    chartLook::setFontSize(m_status, m_status->font().pointSizeF(), true);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(statusShownMs);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    m_title = makeControl<QLabel>(this, QStringLiteral("LabTitre"), -1, QRect(4620, 45, 6300, 540),
                                  QStringLiteral("Coupe du Monde de Football 2010"));
    m_title->setAlignment(Qt::AlignCenter);
    chartLook::setFontSize(m_title, 15, true);
    chartLook::setTextColour(m_title, chartLook::ink);
    auto *version = makeControl<QLabel>(this, QStringLiteral("Label7"), -1, QRect(4620, 585, 6300, 300),
                                        QStringLiteral("Vylora 2010 Version: ") + ProgramVersion::text());
    version->setAlignment(Qt::AlignCenter);
    chartLook::setTextColour(version, chartLook::muted);

    // The author's site, beside the program's name.
    auto *home = makeControl<ClickableLabel>(this, QStringLiteral("Image2"), -1, QRect(10500, 570, 330, 330));
    markAsPicture(home);
    home->setPixmap(Pictures::website(home->size()));
    home->setToolTip(QStringLiteral("Le site de l'auteur"));

    // A discreet hotspot: the teams are unlocked only by those who know.
    auto *unlock = makeControl<ClickableLabel>(this, QStringLiteral("Label12"), -1, QRect(4485, 0, 300, 300));
    unlock->setToolTip(QStringLiteral("Déblocage"));
    connect(unlock, &ClickableLabel::clicked, this, &MainWindow::UnlockTeams);

    for (int i = 0; i < 3; ++i) {
        auto *flag =
            makeControl<ClickableLabel>(this, QStringLiteral("lang"), i, QRect(11010 + i * 480, 300, 420, 285));
        markAsPicture(flag);
        flag->setPixmap(Pictures::flag(i, flag->size()));
        flag->setToolTip(flagToolTips().at(i));
        connect(flag, &ClickableLabel::clicked, this, [this, i] { emit languageClicked(i); });
    }
}

void MainWindow::buildNews()
{
    // The chart's news: a framed message and a link, below the calendar.
    m_newsFrame = makeControl<QFrame>(this, QStringLiteral("Shape3"), -1, QRect(13230, 1050, 4365, 2250));
    m_newsFrame->setFrameShape(QFrame::Box);
    m_newsFrame->setAutoFillBackground(true);
    QPalette palette = m_newsFrame->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe6));
    palette.setColor(QPalette::WindowText, QColor(0xe0, 0xc8, 0x60));
    m_newsFrame->setPalette(palette);
    const CellFamily &messageCell = m_tournament.family(QStringLiteral("Label10"));
    auto *message = makeControl<QLabel>(m_newsFrame, messageCell.name(), -1, QRect(90, 90, 4185, 2070));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    m_binding->bind(messageCell, 0, message);
    message->setAutoFillBackground(false);

    const CellFamily &linkCell = m_tournament.family(QStringLiteral("Lablien"));
    auto *link = makeControl<ClickableLabel>(this, linkCell.name(), -1, QRect(13230, 3390, 4365, 300));
    link->setAlignment(Qt::AlignCenter);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    m_binding->bind(linkCell, 0, link);
    link->setAutoFillBackground(false);

    // Each is shown only while it has something to say.
    const auto showNews = [this, message, link] {
        m_newsFrame->setVisible(!message->text().isEmpty());
        link->setVisible(!link->text().isEmpty());
    };
    m_binding->onTextChange(messageCell, 0, showNews);
    m_binding->onTextChange(linkCell, 0, showNews);
    showNews();
}

void MainWindow::openPrintWindow()
{
    if (!m_printWindow) {
        m_printWindow = new PrintWindow(m_tournament, m_prompts, this);
        connect(m_printWindow, &PrintWindow::confirmed, this, &MainWindow::showStatus);
        addCompanionWindow(m_printWindow);
    }
    m_printWindow->show();
    m_printWindow->raise();
    m_printWindow->activateWindow();
}

PrintWindow *MainWindow::printWindow() const
{
    return m_printWindow;
}

// The caption and the page's title name the tournament shown, whichever
// way its chart came.
void MainWindow::followChartShown()
{
    m_binding->onTextChange(m_tournament.family(QStringLiteral("Text1")), 0, [this] {
        setWindowTitle(QStringLiteral("Vylora ") + Tournaments::yearOfChart(m_tournament.chartName()));
        showPageTitle();
    });
}

// Whatever words a language file gives the title, its year is the one shown.
void MainWindow::showPageTitle()
{
    static const QRegularExpression year(QStringLiteral("\\b(1998|2002|2006|2010)\\b"));
    const QString shown = Tournaments::yearOfChart(m_tournament.chartName());
    if (!shown.isEmpty())
        m_title->setText(m_title->text().replace(year, shown));
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
        m_editorDoor->watchTitle(m_help->title());
        adopt(*m_help);
    }
    return m_help;
}

// A card like the group tables, its caption on the tab.
QWidget *MainWindow::historyPanel()
{
    if (!m_history) {
        m_history = new CardFrame(QStringLiteral("Historique"), this);
        nameControl(m_history, QStringLiteral("FraHisto"));
        m_history->setGeometry(twipsRect(13350, 1050, 3990, 3555));
        m_history->hide();
        placeHistoryPanel();
        m_historyContent = new HistoryPanel(m_tournament, *m_binding, m_history);
        connect(m_historyContent, &HistoryPanel::openClicked, this, &MainWindow::tournamentChosen);
        connect(m_historyContent, &HistoryPanel::returnClicked, this, &MainWindow::returnChosen);
        adopt(*m_history);
    }
    return m_history;
}

// A panel built after start-up takes what the others took then: the
// lines of the language file, the compact scale and the message texts;
// then whoever wires controls by name is told.
void MainWindow::adopt(QWidget &panel)
{
    compactMode::adopt(panel);
    m_registry->adopt(panel);
    showMessageTexts();
    emit panelBuilt(&panel);
}

EditorPanel *MainWindow::editor()
{
    return &m_editorDoor->panel();
}

void MainWindow::buildEveryPanel()
{
    helpPanel();
    historyPanel();
    editor();
}

// Over the group page it stands where the calendar does; over the bracket
// that place belongs to the match information, so it takes the partner
// picture's at the foot of the column.
void MainWindow::placeHistoryPanel()
{
    if (m_history)
        compactMode::place(*m_history, twipsRect(13350, m_knockout->isHidden() ? 1050 : 7110, 3990, 3555));
}

void MainWindow::toggleHistoryPanel()
{
    m_calendar->hide();
    QWidget *history = historyPanel();
    history->setVisible(history->isHidden());
    history->raise();
    m_knockout->yearChoice()->setVisible(!history->isHidden());
    hideHelpPanel();
}

void MainWindow::hideHistoryPanel()
{
    if (m_history)
        m_history->hide();
}

void MainWindow::hideHelpPanel()
{
    if (m_help)
        m_help->hide();
}

void MainWindow::showTournamentPicture(int entry)
{
    historyPanel();
    m_historyContent->showPicture(entry);
}

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

void MainWindow::showChosenYear(int entry)
{
    for (QComboBox *years : {m_historyContent ? m_historyContent->yearList() : nullptr, m_knockout->yearList()})
        if (years)
            years->setCurrentIndex(entry);
}

void MainWindow::setSaveEnabled(bool enabled)
{
    m_saveButton->setEnabled(enabled);
}

void MainWindow::showStatistics()
{
    if (!m_stats) {
        m_stats = new StatsWindow(this);
        addCompanionWindow(m_stats);
        connect(m_stats, &StatsWindow::printClicked, this, [this] {
            printWindowImage(*m_stats, m_stats->buttons(), m_prompts, m_tournament.messages(),
                             QStringLiteral("statistiques.pdf"));
        });
    }
    m_stats->showStatistics(m_tournament);
}

void MainWindow::showPredictions()
{
    if (!m_predictions) {
        m_predictions = new PredictionsWindow(this, m_tournament.messages(), *m_keeper, m_prompts);
        addCompanionWindow(m_predictions);
        connect(m_predictions, &PredictionsWindow::openRequested, this, &MainWindow::predictionChosen);
    }
    m_predictions->showCircle();
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

bool MainWindow::saveChart()
{
    const MessageTable &messages = m_tournament.messages();
    if (SaveChart(m_tournament)) {
        showStatus(messages.textOr(Message::saved, QStringLiteral("Pronostic enregistré.")));
        m_edits->markSaved();
        return true;
    }
    // Saying nothing here would let the user believe the predictions are
    // safe until the next start shows them gone.
    const QString text = messages.textOr(
        Message::saveFailed, QStringLiteral("Le pronostic n'a pas pu être enregistré dans le fichier %1."));
    m_prompts.warning(this, QStringLiteral("Vylora 2010"),
                      text.arg(QDir::toNativeSeparators(iniFilePath(m_tournament.chartName()))));
    return false;
}

void MainWindow::showStatus(const QString &text)
{
    m_status->setText(text);
    m_statusTimer->start();
}

// Every control that stands for a match shows where and when it is played
// while the mouse is over it.
void MainWindow::watchMatches()
{
    for (GroupFrame *frame : m_groups) {
        for (int i = 0; i <= 11; ++i) {
            QLabel *label = frame->matchLabels()[i];
            m_matchInfo->watchLabel(label);
            m_matchInfo->watchLabel(frame->scoreCells()[i], label);
        }
    }
    for (Round r : allRounds)
        for (QWidget *team : findChildren<QWidget *>(m_tournament.round(r).team->name()))
            m_matchInfo->watchLabel(team);
    for (GroupFrame *frame : m_groups)
        m_matchInfo->watchBlank(frame);
    m_matchInfo->watchBlank(m_roundOf16);
    m_matchInfo->watchKnockoutPage(m_knockout);
    for (QWidget *box : m_knockout->matchBoxes())
        m_matchInfo->watchKnockoutPage(box);
    m_matchInfo->watchBackground(this);
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

// Whatever the user types into a cell of the chart, and the draw of lots,
// goes through the edits, so that it can be undone and needs saving. The
// help page's worked example is no part of the chart: it edits the model
// on its own.
void MainWindow::handEditsToTheChart()
{
    QList<QLineEdit *> cells = m_knockout->findChildren<QLineEdit *>();
    for (GroupFrame *frame : m_groups)
        cells += frame->findChildren<QLineEdit *>();
    for (QLineEdit *cell : cells) {
        const CellBinding::Address address = m_binding->cellOf(cell);
        if (!address.family)
            continue;
        connect(cell, &QLineEdit::textEdited, m_edits, [this, address](const QString &text) {
            // What the user types is shown as typed, also where the
            // table knows the name.
            m_tournament.messages().teamNames().keepAsTyped(text);
            m_edits->type(*address.family, address.index, text);
        });
        m_edits->leaveUndoToTheChart(cell);
    }
    // Once the names are unlocked, a click on one is mostly for typing: it
    // draws lots only while the group asks for it, so that the name being
    // edited is not moved away under the caret.
    for (GroupId g : allGroups) {
        for (int slot = 1; slot <= 4; ++slot) {
            TeamNameEdit *team = m_groups[groupIndex(g)]->teamCells()[slot - 1];
            connect(team, &TeamNameEdit::clicked, m_edits, [this, g, slot, team] {
                if (team->isReadOnly() || !m_tournament.group(g).tieNotice->text(0).isEmpty())
                    m_edits->drawLots(g, slot);
            });
        }
    }
    m_edits->addShortcutsTo(this);
}

void MainWindow::chainTabOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (GroupFrame *frame : m_groups)
        for (ScoreEdit *cell : frame->scoreCells())
            chain(cell);
    for (ScoreEdit *cell : m_knockout->scoreCells())
        chain(cell);
}

void MainWindow::showMessageTexts()
{
    showPageTitle();
    showKnockoutCaption();
    showModeCaption();
    m_editorDoor->showMessageTexts();
    const MessageTable &messages = m_tournament.messages();
    const QString shootOut = messages.textOr(Message::shootOut, QStringLiteral("Tirs au but"));
    for (Round r : allRounds) {
        CellFamily &penalties = *m_tournament.round(r).penalties;
        for (int i = penalties.first(); i <= penalties.last(); ++i)
            m_tournament.setToolTip(penalties, i, shootOut);
    }
    const QString refused = messages.textOr(
        Message::refusedCharacter,
        QStringLiteral("Le caractère « %1 » ne peut pas être enregistré dans le fichier du pronostic."));
    for (TeamNameEdit *team : findChildren<TeamNameEdit *>())
        team->setRefusalText(refused);
}

void MainWindow::showKnockoutCaption()
{
    // The captions come from the message table; until a language file has
    // set them, the French design texts stand in.
    const bool open = m_knockout && !m_knockout->isHidden();
    const QString &caption = m_tournament.messages().at(open ? Message::groupsButton : Message::knockoutButton);
    m_knockoutButton->setText(!caption.isEmpty() ? caption
                              : open             ? QStringLiteral("Phase de Groupes")
                                                 : QStringLiteral("Phase Finale"));
}

void MainWindow::showModeCaption()
{
    if (!m_help)
        return;
    const MessageTable &messages = m_tournament.messages();
    m_help->modeButton()->setText(
        m_compact ? messages.textOr(Message::toNormal, QStringLiteral("Passer en mode normal"))
                  : messages.textOr(Message::toCompact, QStringLiteral("Passer en mode réduit")));
}

void MainWindow::raiseAlwaysVisible()
{
    m_quitButton->raise();
    m_status->raise();
}

void MainWindow::toggleKnockoutPanel()
{
    // The bracket asked for is the bracket shown, not a page behind the help.
    hideHelpPanel();
    if (m_knockout->isHidden()) {
        m_knockoutButton->setIcon(Pictures::knockoutButton(0, m_knockoutButton->iconSize()));
        m_knockout->show();
        m_knockout->raise();
        placeHistoryPanel();
        // The calendar and the way out stay within reach on both pages.
        m_calendar->raise();
        if (m_history)
            m_history->raise();
        raiseAlwaysVisible();
        setCalendarHeight(1590);
        showKnockoutCaption();
        SeedRoundOf16(m_tournament);
        AdvanceRoundOf16(m_tournament);
        AdvanceQuarterFinals(m_tournament);
        AdvanceSemiFinals(m_tournament);
    } else {
        m_knockout->hide();
        placeHistoryPanel();
        showKnockoutCaption();
        m_knockoutButton->setIcon(Pictures::knockoutButton(1, m_knockoutButton->iconSize()));
        setCalendarHeight(3690);
    }
}

// While the knock-out page is shown the calendar keeps to its four rows, so
// that it covers as little of the bracket as it can.
void MainWindow::setCalendarHeight(int twips)
{
    QRect design = compactMode::designGeometry(*m_calendar);
    design.setHeight(px(twips));
    compactMode::place(*m_calendar, design);
}

void MainWindow::toggleHelpPanel()
{
    if (m_help && !m_help->isHidden()) {
        m_help->hide();
        return;
    }
    if (!m_knockout->isHidden())
        toggleKnockoutPanel();
    m_calendar->hide();
    helpPanel()->show();
    m_help->raise();
    raiseAlwaysVisible();
}

void MainWindow::toggleCalendar()
{
    setCalendarHeight(m_knockout->isHidden() ? 3690 : 1590);
    hideHistoryPanel();
    if (m_calendar->isHidden()) {
        // Asked for: it stays until the user closes it.
        m_calendar->stopAutoHide();
        m_calendar->show();
        m_calendar->raise();
    } else {
        m_calendar->hide();
    }
    hideHelpPanel();
}

void MainWindow::ToggleCompactMode()
{
    hideHelpPanel();
    m_compact = !m_compact;
    const double factor = m_compact ? compactMode::factor : 1.0 / compactMode::factor;
    // A window that kept its size would leave the screen as crowded.
    const QSize shrunk(int(std::lround(width() * factor)), int(std::lround(height() * factor)));
    resize(shrunk);
    compactMode::setScale(*this, chartScale(shrunk));
    showModeCaption();
}

QSize MainWindow::chartSize() const
{
    const double mode = m_compact ? compactMode::factor : 1.0;
    return {int(std::lround(px(windowWidth) * mode)), int(std::lround((px(windowHeight) + m_bannerStrip) * mode))};
}

compactMode::Scale MainWindow::chartScale(const QSize &window) const
{
    const double mode = m_compact ? compactMode::factor : 1.0;
    const QSize chart = chartSize();
    const QSize spare =
        window - QSize(int(std::lround(chart.width() * m_fit)), int(std::lround(chart.height() * m_fit)));
    return {mode * m_fit, m_fit, m_compact ? -1 : 0,
            QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2))};
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_rescaleTimer->start();
}

void MainWindow::rescaleToWindow()
{
    const QSize chart = chartSize();
    const double fit = std::min(double(width()) / chart.width(), double(height()) / chart.height());
    // Less than a pixel on the chart's longest side is rounding, not a new
    // size: the mode switch's own resize must not move a font by a hair.
    if (std::abs(fit - m_fit) * std::max(chart.width(), chart.height()) >= 1.0)
        m_fit = fit;
    const compactMode::Scale scale = chartScale(size());
    if (!(scale == compactMode::scaleOf(*this)))
        compactMode::setScale(*this, scale);
}

void MainWindow::fitToScreen()
{
    const QScreen *shown = screen();
    if (!shown)
        return;
    // Room for the frame and title bar that the window manager adds.
    const QSize room = shown->availableGeometry().size() - QSize(16, 48);
    const QSize chart = chartSize();
    m_fit = std::min({1.0, double(room.width()) / chart.width(), double(room.height()) / chart.height()});
    const QSize fitted(int(std::lround(chart.width() * m_fit)), int(std::lround(chart.height() * m_fit)));
    resize(fitted);
    compactMode::setScale(*this, chartScale(fitted));
}

QRect MainWindow::bannerPlace(const QWidget *page) const
{
    const QRect strip(45, windowHeight + 30, windowWidth - 90, bannerStripHeight - 60);
    return page == m_knockout ? strip.translated(-15, -1020) : strip;
}

void MainWindow::openBannerStrip()
{
    if (m_bannerStrip > 0)
        return;
    m_bannerStrip = px(bannerStripHeight);
    QRect page = compactMode::designGeometry(*m_knockout);
    page.setHeight(page.height() + m_bannerStrip);
    compactMode::place(*m_knockout, page);
    const double scale = compactMode::scaleOf(*this).geometry;
    resize(width(), height() + int(std::lround(m_bannerStrip * scale)));
}

void MainWindow::addCompanionWindow(QWidget *w)
{
    m_companions.removeAll(nullptr);
    m_companions.append(w);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    // Each closes on its own: one that refuses does not keep the others.
    for (const QPointer<QWidget> &companion : std::as_const(m_companions))
        if (companion)
            companion->close();
    emit closing();
    QWidget::closeEvent(event);
}

void MainWindow::UnlockTeams()
{
    for (int slot = 0; slot < 4; ++slot)
        for (GroupFrame *frame : m_groups)
            frame->teamCells()[slot]->setReadOnly(false);
    m_saveButton->setEnabled(true);
    m_prompts.notice(this, QStringLiteral("OK"), QStringLiteral("Equipes débloquées"));
}
