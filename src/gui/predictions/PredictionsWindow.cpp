#include "gui/predictions/PredictionsWindow.h"

#include "gui/kit/ChartLook.h"
#include "gui/kit/Prompts.h"
#include "gui/predictions/PoolPart.h"
#include "gui/predictions/PredictionKeeper.h"
#include "gui/predictions/ScoreTable.h"
#include "predictions/MatchDayOver.h"
#include "predictions/PredictionCircle.h"
#include "predictions/PredictionFigures.h"
#include "storage/OwnChart.h"
#include "tournament/GroupFixtures.h"
#include "tournament/MessageTable.h"
#include "tournament/Tournament.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>

namespace {

QString scoreText(const QStringList &cells, int match)
{
    return cells.value(2 * match) + QStringLiteral(" - ") + cells.value(2 * match + 1);
}

} // namespace

PredictionsWindow::PredictionsWindow(QWidget *owner, const MessageTable &messages, PredictionKeeper &keeper,
                                     Prompts &prompts)
    : QWidget(nullptr, Qt::Window)
    , m_messages(messages)
    , m_keeper(keeper)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("Pronostics"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(text(Message::predictionsTitle));
    setWindowIcon(owner->windowIcon());
    connect(owner, &QObject::destroyed, this, [this] { delete this; });

    // The tables scroll; the pool's line and the buttons below them stay in
    // sight however small the screen.
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PredictionsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    m_rules = new QLabel(content);
    m_rules->setObjectName(QStringLiteral("Rules"));
    grid->addWidget(m_rules, 0, 0, 1, 2);

    m_ranking = makeScoreTable(content, QStringLiteral("Ranking"), texts(Message::rankingHeaders));
    grid->addWidget(m_ranking, 1, 0, 3, 1);

    m_daysHeading = new QLabel(content);
    chartLook::makeHeading(m_daysHeading);
    grid->addWidget(m_daysHeading, 1, 1);
    m_matchDays = makeScoreTable(content, QStringLiteral("MatchDays"), {QString(), QString()});
    m_matchDays->horizontalHeader()->hide();
    grid->addWidget(m_matchDays, 2, 1);

    auto *matchBox = new QWidget(content);
    auto *matchLayout = new QGridLayout(matchBox);
    matchLayout->setContentsMargins(0, 0, 0, 0);
    m_matchHeading = new QLabel(matchBox);
    chartLook::makeHeading(m_matchHeading);
    matchLayout->addWidget(m_matchHeading, 0, 0);
    m_match = new QComboBox(matchBox);
    m_match->setObjectName(QStringLiteral("MatchChoice"));
    matchLayout->addWidget(m_match, 1, 0);
    m_matchScores = makeScoreTable(matchBox, QStringLiteral("MatchScores"), texts(Message::matchHeaders));
    matchLayout->addWidget(m_matchScores, 2, 0);
    grid->addWidget(matchBox, 3, 1);
    connect(m_match, &QComboBox::currentIndexChanged, this, &PredictionsWindow::showMatch);

    m_refused = new QLabel(content);
    m_refused->setObjectName(QStringLiteral("Refused"));
    m_refused->setWordWrap(true);
    grid->addWidget(m_refused, 4, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    m_add = new QPushButton(text(Message::addPrediction), this);
    m_add->setObjectName(QStringLiteral("AddPrediction"));
    m_open = new QPushButton(text(Message::openPrediction), this);
    m_open->setObjectName(QStringLiteral("OpenPrediction"));
    m_close = new QPushButton(text(Message::close), this);
    m_close->setObjectName(QStringLiteral("ClosePredictions"));
    buttons->addWidget(m_add);
    buttons->addWidget(m_open);
    buttons->addStretch();
    buttons->addWidget(m_close);
    m_pool = new PoolPart(content, m_messages, m_keeper, m_prompts);
    grid->addWidget(m_pool, 5, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    outer->addWidget(m_pool->statusLine());
    outer->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &PredictionsWindow::addPrediction);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_open, &QPushButton::clicked, this, [this] {
        const int row = m_ranking->currentRow();
        if (row >= 0 && row < int(m_ranked.size()))
            emit openRequested(m_ranked[std::size_t(row)].name);
    });
    connect(&m_keeper, &PredictionKeeper::kept, this, &PredictionsWindow::showCircle);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    showTexts();
    fitToScreen(owner->screen());
}

void PredictionsWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    showTexts();
    // The match days' names and the match list are worded with the scores.
    showCircle();
}

void PredictionsWindow::showTexts()
{
    setWindowTitle(text(Message::predictionsTitle));
    m_ranking->setHorizontalHeaderLabels(texts(Message::rankingHeaders));
    m_matchScores->setHorizontalHeaderLabels(texts(Message::matchHeaders));
    m_daysHeading->setText(text(Message::matchDayHeading));
    m_matchHeading->setText(text(Message::matchHeading));
    m_add->setText(text(Message::addPrediction));
    m_open->setText(text(Message::openPrediction));
    m_close->setText(text(Message::close));
}

// As the main window: within the screen's free area less the frame the
// window manager adds, at every scale.
void PredictionsWindow::fitToScreen(const QScreen *screen)
{
    QSize size(900, 900);
    if (screen)
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(size);
}

QString PredictionsWindow::text(Message entry) const
{
    return m_messages.text(entry);
}

QStringList PredictionsWindow::texts(Message entry) const
{
    return text(entry).split(u'|');
}

void PredictionsWindow::showCircle()
{
    // The circle of the tournament the user predicts on: its kept
    // predictions against the user's chart, whatever its format.
    const std::unique_ptr<Tournament> loaded = loadedPrediction(
        readPredictionFile(OwnChart::filePath()).bytes);
    const Tournament unreadable;
    const Tournament &results = loaded ? *loaded : unreadable;
    PredictionCircle circle = scoreCircle(results, keptPredictionSources());
    dropOtherTournaments(circle);
    m_ranked = std::move(circle.ranked);
    m_realScores = groupScoreTexts(results);
    m_results = predictionFigures(results);
    m_roundOf32 = results.hasRound(Round::RoundOf32);
    // Every language's rules end on the 2010 chart's maximum; the chart's
    // own tournament may have another, and a round of 32.
    QStringList rules = texts(Message::scoringRules);
    if (m_roundOf32)
        rules.insert(2, text(Message::roundOf32Rule));
    m_rules->setText(rules.join(u'\n').replace(QStringLiteral("201"), QString::number(maximumPointsOf(results))));
    QStringList refused;
    for (const auto &[name, problem] : circle.refused)
        refused << PredictionKeeper::refusal(m_messages, problem, name);
    m_refused->setText(refused.join(u'\n'));
    m_refused->setVisible(!refused.isEmpty());

    showRanking();
    showMatchDays();
    const int chosen = std::max(0, m_match->currentIndex());
    m_match->blockSignals(true);
    m_match->clear();
    // The teams as the chart shows them, in the user's language.
    const auto shown = [&](GroupId g, int slot) {
        return m_messages.teamNames().shown(results.group(g).team->text(slot));
    };
    for (GroupId g : results.groupIds())
        for (const Fixture &f : GroupFixtures)
            m_match->addItem(
                QStringLiteral("%1 : %2 - %3").arg(groupLetter(g), shown(g, f.home), shown(g, f.away)));
    m_match->setCurrentIndex(chosen);
    m_match->blockSignals(false);
    showMatch(chosen);
    m_pool->refresh();
    show();
    raise();
    activateWindow();
}

void PredictionsWindow::showRanking()
{
    m_ranking->setRowCount(int(m_ranked.size()));
    for (int row = 0; row < int(m_ranked.size()); ++row) {
        const PredictionScore &s = m_ranked[std::size_t(row)].score;
        setScoreRow(m_ranking, row,
                    {m_ranked[std::size_t(row)].name, QString::number(s.points), QString::number(s.exact),
                     QString::number(s.outcomes), QString::number(s.knockout)});
    }
    if (!m_ranked.empty())
        m_ranking->selectRow(0);
}

void PredictionsWindow::showMatchDays()
{
    QStringList days = texts(Message::matchDayNames);
    // The round of 32 is named as the bracket names it.
    days.resize(roundOf32Day);
    days << texts(Message::roundNames).value(0);
    const std::vector<int> order = matchDaysInOrder(m_roundOf32);
    m_matchDays->setRowCount(int(order.size()));
    for (int row = 0; row < int(order.size()); ++row) {
        const int day = order[std::size_t(row)];
        const int winner = matchDayOver(m_results, day) ? matchDayWinner(m_ranked, day) : -1;
        const QString shown = winner < 0 ? QStringLiteral("-")
                                         : QStringLiteral("%1 (%2)")
                                               .arg(m_ranked[std::size_t(winner)].name)
                                               .arg(matchDayPoints(m_ranked[std::size_t(winner)].score, day));
        setScoreRow(m_matchDays, row, {days.value(day), shown});
    }
    // Every day in sight, seven or eight of them, without a scroll bar.
    m_matchDays->setFixedHeight(m_matchDays->verticalHeader()->length() + 2 * m_matchDays->frameWidth());
}

void PredictionsWindow::showMatch(int match)
{
    if (match < 0)
        return;
    const int group = match / 6;
    const int inGroup = match % 6;
    const auto groupCells = [group](const QStringList &all) { return all.mid(group * 12, 12); };
    m_matchScores->setRowCount(int(m_ranked.size()) + 1);
    setScoreRow(m_matchScores, 0,
                {text(Message::realResult), scoreText(groupCells(m_realScores), inGroup), QString()});
    for (int row = 0; row < int(m_ranked.size()); ++row) {
        const ScoredPrediction &p = m_ranked[std::size_t(row)];
        setScoreRow(m_matchScores, row + 1,
                    {p.name, scoreText(groupCells(p.groupScores), inGroup),
                     QString::number(p.score.matchPoints[std::size_t(match)])});
    }
}

void PredictionsWindow::addPrediction()
{
    const QString path = m_prompts.openFileName(this, text(Message::addPrediction),
                                                {QStringLiteral("Vylora 2010 (*.ini)"), QStringLiteral("* (*)")});
    if (!path.isEmpty())
        m_keeper.addFile(this, path);
}
