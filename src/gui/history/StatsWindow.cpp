#include "gui/history/StatsWindow.h"

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/pictures/HistoryPictures.h"
#include "gui/pictures/Pictures.h"
#include "history/GoalsByTeam.h"
#include "history/Ranking.h"
#include "history/Tournaments.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int windowWidth = 11400;
constexpr int windowHeight = 9600;
constexpr int listsTop = 2010;
// The 32 teams and the separator without scrolling.
constexpr int listsHeight = 7440;

QListWidget *makeList(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *list = makeControl<QListWidget>(parent, name, -1, twips);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFocusPolicy(Qt::NoFocus);
    return list;
}

} // namespace

StatsWindow::StatsWindow(QWidget *owner)
    : QWidget(nullptr, Qt::Window)
    , m_owner(owner)
{
    nameControl(this, QStringLiteral("Stats"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(windowWidth), px(windowHeight));
    setWindowIcon(owner->windowIcon());
    connect(owner, &QObject::destroyed, this, [this] { delete this; });

    m_picture = makeControl<QLabel>(this, QStringLiteral("Image1"), -1, QRect(150, 150, 1800, 1350));
    markAsPicture(m_picture);
    m_title = makeControl<QLabel>(this, QStringLiteral("Text1"), -1, QRect(2130, 240, 9120, 600),
                                  QStringLiteral("Vylora "));
    chartLook::setFontSize(m_title, 16, true);
    chartLook::setTextColour(m_title, chartLook::ink);
    // The headings are worded, from the messages, when the window is filled.
    m_total = makeControl<QLabel>(this, QStringLiteral("Label1"), -1, QRect(2130, 930, 9120, 390));
    chartLook::setFontSize(m_total, m_total->font().pointSizeF() + 1, true);

    m_rankingHeading = makeControl<QLabel>(this, QStringLiteral("Label3"), -1, QRect(150, 1650, 4650, 330));
    chartLook::makeHeading(m_rankingHeading);
    m_ranking = makeList(this, QStringLiteral("List2"), QRect(150, listsTop, 4650, listsHeight));
    m_goalsHeading = makeControl<QLabel>(this, QStringLiteral("Label2"), -1, QRect(4950, 1650, 3150, 330));
    chartLook::makeHeading(m_goalsHeading);
    m_goals = makeList(this, QStringLiteral("List1"), QRect(4950, listsTop, 3150, listsHeight));

    // The podium: the champion's picture above the four places.
    m_podium = makeControl<QFrame>(this, QStringLiteral("Frame2"), -1, QRect(8250, listsTop, 3000, 3870));
    m_podium->setAutoFillBackground(true);
    QPalette white = m_podium->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_podium->setPalette(white);
    m_podium->setFrameShape(QFrame::StyledPanel);
    m_champion = makeControl<QLabel>(m_podium, QStringLiteral("Image8"), -1, QRect(750, 90, 1500, 1500));
    markAsPicture(m_champion);
    for (int i = 0; i < 4; ++i) {
        m_places[std::size_t(i)] = makeControl<QLabel>(
            m_podium, QStringLiteral("Vainq"), i, QRect(150, 1710 + i * 510, 2700, 450), QString::number(i + 1));
        chartLook::setFontSize(m_places[std::size_t(i)],
                               m_places[std::size_t(i)]->font().pointSizeF() + (i ? 0 : 2), i == 0);
    }
    m_emptyPodium = makeControl<QLabel>(this, QStringLiteral("Image2"), -1, QRect(8250, listsTop, 3000, 2700));
    markAsPicture(m_emptyPodium);
    m_emptyPodium->setPixmap(Pictures::emptyPodium(m_emptyPodium->size()));

    m_buttons = makeControl<QFrame>(this, QStringLiteral("Frame1"), -1, QRect(8250, 8400, 3000, 1050));
    const QSize buttonSize(px(1350), px(1050));
    m_close = makeControl<QToolButton>(m_buttons, QStringLiteral("Command1"), -1, QRect(0, 0, 1350, 1050));
    m_print = makeControl<QToolButton>(m_buttons, QStringLiteral("Command5"), -1, QRect(1650, 0, 1350, 1050));
    for (QToolButton *button : {m_close, m_print})
        button->setIconSize(buttonSize * 0.7);
    m_close->setIcon(Pictures::closeButton(m_close->iconSize()));
    m_print->setIcon(Pictures::printer(m_print->iconSize()));
    connect(m_close, &QToolButton::clicked, this, &QWidget::close);
    connect(m_print, &QToolButton::clicked, this, &StatsWindow::printClicked);
}

void StatsWindow::showStatistics(const Tournament &t)
{
    fill(t);

    // Above its owner, and not what keeps the program running.
    winId();
    windowHandle()->setTransientParent(m_owner->window()->windowHandle());
    show();
    raise();
    activateWindow();
    m_close->setFocus();
}

void StatsWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_shown)
        fill(*m_shown);
}

void StatsWindow::fill(const Tournament &t)
{
    m_shown = &t;
    m_ranking->clear();
    m_ranking->addItems(rankingLines(ComputeRanking(t), t.round(t.rounds().front()).sides));

    const GoalsByTeam goals = goalsByTeam(t);
    m_goals->clear();
    for (TeamGoals team : goals.teams) {
        team.team = t.messages().teamNames().shown(team.team);
        m_goals->addItem(goalsLine(team));
    }

    // Left as the language file writes it: the same word ends the chart's
    // own goal totals.
    m_total->setText(t.messages().text(Message::goals) + QStringLiteral(" : ") + formatNumber(goals.total));
    m_goalsHeading->setText(t.messages().text(Message::goalsHeading));
    m_rankingHeading->setText(t.messages().text(Message::rankingHeading));
    m_close->setToolTip(t.messages().text(Message::close));
    m_print->setToolTip(t.messages().text(Message::printStatistics));
    showTitle(t);
    showPodium(t);
}

// Title and picture of a tournament the program knows; the design's for
// any other chart.
void StatsWindow::showTitle(const Tournament &t)
{
    const int entry = Tournaments::entryOfChart(t.chartName());
    if (entry == 0) {
        m_title->setText(QStringLiteral("Vylora "));
        m_picture->clear();
    } else {
        m_title->setText(t.messages().text(Message::statsTitle) + u' ' + Tournaments::year(entry));
        m_picture->setPixmap(Pictures::tournament(t.chartName(), m_picture->size()));
    }
    setWindowTitle(m_title->text());
}

void StatsWindow::showPodium(const Tournament &t)
{
    bool known = false;
    const std::vector<PodiumPlace> places = podiumPlaces(t);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PodiumPlace &place = places[i];
        m_places[i]->setText(QString::number(place.place) + QStringLiteral(": ") +
                             t.messages().teamNames().shown(place.team));
        known = known || !place.team.isEmpty();
    }
    m_champion->setPixmap(Pictures::championOf(Tournaments::yearOfChart(t.chartName()), m_champion->size()));
    m_podium->setVisible(known);
    m_emptyPodium->setVisible(!known);
}
