#include "gui/knockout/KnockoutPanel.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/CompactMode.h"
#include "gui/kit/FittedLabel.h"
#include "i18n/LanguageFile.h"
#include "tournament/Knockout.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr int columnPitch = 3300;
constexpr int firstColumn = 120;
constexpr int boxWidth = 3000;
constexpr int boxHeight = 660;
constexpr int treeTop = 600;
constexpr int matchPitch = 1140;

int treeRowTop(double row)
{
    return treeTop + int(row * matchPitch);
}

// A place of the podium: its figure in bold on a disc of its medal's
// colour. Painted rather than styled: a style sheet per control is among
// the dearest things a window asks for at start.
class PlaceMedal final : public QLabel
{
public:
    PlaceMedal(int place, const QColor &colour, QWidget *parent)
        : QLabel(QString::number(place), parent)
        , m_colour(colour)
    {
        setAlignment(Qt::AlignCenter);
        chartLook::setFontSize(this, font().pointSizeF(), true);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(m_colour);
            const int radius = std::min(width(), height()) / 2;
            painter.drawRoundedRect(rect(), radius, radius);
        }
        QLabel::paintEvent(event);
    }

private:
    QColor m_colour;
};

} // namespace

KnockoutPanel::KnockoutPanel(Tournament &t, CellBinding &binding, QWidget *parent)
    : QFrame(parent)
{
    nameControl(this, QStringLiteral("Frame9"));
    setAutoFillBackground(true); // covers the group page

    // Worded, as every caption of the page, by the catalogue's lines.
    for (int round = 0; round < 4; ++round)
        addRoundCaption(round, firstColumn + round * columnPitch);

    for (int k = 0; k < 8; ++k)
        m_byMatch[0].append(addMatch(t, binding, Round::RoundOf16, k, firstColumn, treeRowTop(k)));
    for (int k = 0; k < 4; ++k)
        m_byMatch[1].append(
            addMatch(t, binding, Round::QuarterFinals, k, firstColumn + columnPitch, treeRowTop(2 * k + 0.5)));
    for (int k = 0; k < 2; ++k)
        m_tree[2].append(
            addMatch(t, binding, Round::SemiFinals, k, firstColumn + 2 * columnPitch, treeRowTop(4 * k + 1.5)));
    m_tree[3].append(addMatch(t, binding, Round::Final, 0, firstColumn + 3 * columnPitch, treeRowTop(3.5)));

    auto *third = makeControl<QLabel>(this, QStringLiteral("LabTour"), 4,
                                      QRect(firstColumn + 3 * columnPitch, treeRowTop(6) - 330, boxWidth, 300));
    third->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(third);
    m_thirdPlace = addMatch(t, binding, Round::ThirdPlace, 0, firstColumn + 3 * columnPitch, treeRowTop(6));

    addPodium(t, binding);
    addYearChoice(t);

    arrangeTree(t.chartName());
    binding.onTextChange(t.family(QStringLiteral("Text1")), 0, [this, &t] { arrangeTree(t.chartName()); });
}

// The tree follows the bracket of the chart shown: the two matches whose
// winners meet next stand side by side, whatever the year's table. Boxes
// trade places, so a page in compact mode stays in compact mode.
void KnockoutPanel::arrangeTree(const QString &chart)
{
    const std::array<int, 8> toQuarterFinal = roundOf16Destinations(chart);
    const std::array<int, 4> toSemiFinal = quarterFinalDestinations(chart);
    auto feeding = [](const auto &destinations, int side) {
        return int(std::find(destinations.begin(), destinations.end(), side) - destinations.begin());
    };
    m_tree[0].clear();
    m_tree[1].clear();
    for (int semiFinalSide = 0; semiFinalSide < 4; ++semiFinalSide) {
        const int quarterFinal = feeding(toSemiFinal, semiFinalSide);
        m_tree[1].append(m_byMatch[1][quarterFinal]);
        for (int side : {2 * quarterFinal, 2 * quarterFinal + 1})
            m_tree[0].append(m_byMatch[0][feeding(toQuarterFinal, side)]);
    }
    for (const QVector<QFrame *> &round : {m_tree[0], m_tree[1]}) {
        QList<int> tops;
        for (const QFrame *box : round)
            tops << compactMode::designGeometry(*box).y();
        std::sort(tops.begin(), tops.end());
        for (qsizetype i = 0; i < round.size(); ++i) {
            QRect design = compactMode::designGeometry(*round[i]);
            design.moveTop(tops[i]);
            compactMode::place(*round[i], design);
        }
    }
    update();
}

void KnockoutPanel::addRoundCaption(int index, int left)
{
    auto *label = makeControl<QLabel>(this, QStringLiteral("LabTour"), index, QRect(left, 150, boxWidth, 330));
    label->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(label);
}

QFrame *KnockoutPanel::addMatch(Tournament &t, CellBinding &binding, Round r, int match, int left, int top)
{
    const RoundCells &round = t.round(r);
    auto *box = new QFrame(this);
    box->setGeometry(twipsRect(left, top, boxWidth, boxHeight));
    chartLook::makeMatchBox(box);
    for (int row = 0; row < 2; ++row) {
        const int side = 2 * match + row;
        auto *team = makeControl<FittedLabel>(box, round.team->name(), side, QRect(45, 30 + row * 300, 2160, 285));
        team->setIndent(4);
        binding.bind(*round.team, side, team);
        m_teams.append(team);
    }
    // The tab chain follows the order of play: both sides' goals, then the
    // shoot-out, so that "2 Tab 1" is a score and never a penalty.
    for (CellFamily *cells : {round.goals, round.penalties}) {
        const bool goals = cells == round.goals;
        for (int row = 0; row < 2; ++row) {
            const int side = 2 * match + row;
            auto *score = makeControl<ScoreEdit>(
                box, cells->name(), side, QRect(goals ? 2235 : 2625, 30 + row * 300, goals ? 360 : 330, 285));
            binding.bind(*cells, side, score);
            m_scores.append(score);
        }
    }
    addShootOutHint(t, binding, r, match, box);
    return box;
}

// Under the match, where the gap to the next one leaves room; it follows
// the box wherever the tree puts it.
void KnockoutPanel::addShootOutHint(Tournament &t, CellBinding &binding, Round r, int match, QFrame *box)
{
    auto *hint = new QLabel(this);
    hint->setAlignment(Qt::AlignRight | Qt::AlignTop);
    chartLook::setTextColour(hint, chartLook::warning);
    QFont small = hint->font();
    small.setItalic(true);
    hint->setFont(small);
    hint->hide();
    // Placed only when it shows: measuring sixteen hidden hints cost the
    // start as much as drawing the page.
    const auto refresh = [&t, r, match, box, hint] {
        const bool shown = shootOutOutOfPlace(t, r, match);
        if (shown) {
            hint->setText(t.messages().text(Message::shootOutHint));
            const QRect under = compactMode::designGeometry(*box);
            compactMode::place(*hint,
                               QRect(under.x(), under.bottom() + 1, under.width(), hint->sizeHint().height()));
        }
        hint->setVisible(shown);
    };
    const RoundCells &round = t.round(r);
    for (CellFamily *cells : {round.goals, round.penalties})
        for (int side : {2 * match, 2 * match + 1})
            binding.onTextChange(*cells, side, refresh);
    refresh();
}

// The podium and the goal total stand in the final's column, under the two
// matches that decide them; the column beside the bracket is left to the
// calendar and the match information.
void KnockoutPanel::addPodium(Tournament &t, CellBinding &binding)
{
    const int left = firstColumn + 3 * columnPitch;
    auto *total = makeControl<QLabel>(this, QStringLiteral("Label21"), -1,
                                      QRect(left, treeRowTop(3.5) + boxHeight + 300, boxWidth, 330));
    total->setAlignment(Qt::AlignCenter);
    binding.bind(t.family(QStringLiteral("Label21")), 0, total);
    total->setAutoFillBackground(false);
    chartLook::setFontSize(total, total->font().pointSizeF() + 1, true);

    // Room under the match for third place for its shoot-out hint.
    const int podiumTop = treeRowTop(6) + boxHeight + 300;
    auto *caption = makeControl<QLabel>(this, QStringLiteral("LabTour"), 5, QRect(left, podiumTop, boxWidth, 300));
    caption->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(caption);
    static const std::array<QColor, 4> medals{QColor(0xd4, 0xaf, 0x37), QColor(0xb8, 0xb8, 0xc0),
                                              QColor(0xcd, 0x7f, 0x32), QColor(0xe0, 0xe0, 0xe0)};
    CellFamily &pod = t.podium();
    for (int place = 1; place <= 4; ++place) {
        const int top = podiumTop + 360 + (place - 1) * 345;
        auto *rank = new PlaceMedal(place, medals[std::size_t(place - 1)], this);
        rank->setGeometry(twipsRect(left + 60, top, 315, 315));
        auto *label =
            makeControl<FittedLabel>(this, pod.name(), place, QRect(left + 450, top, boxWidth - 450, 315));
        binding.bind(pod, place, label);
        chartLook::setFontSize(label, label->font().pointSizeF() + 1, true);
    }
}

// Above the final, where the bracket leaves the column free.
void KnockoutPanel::addYearChoice(const Tournament &t)
{
    m_yearChoice = makeControl<QFrame>(this, QStringLiteral("Frame19"), -1,
                                       QRect(firstColumn + 3 * columnPitch, treeRowTop(1), boxWidth, 615));
    m_yearChoice->setFrameShape(QFrame::StyledPanel);
    m_years = makeControl<QComboBox>(m_yearChoice, QStringLiteral("Combo2"), -1, QRect(75, 120, 2010, 375));
    m_years->addItems(yearListEntries(t.messages()));
    auto *open =
        makeControl<QPushButton>(m_yearChoice, QStringLiteral("Command7"), -1, QRect(2145, 105, 780, 405));
    connect(open, &QPushButton::clicked, this, [this] { emit openClicked(m_years->currentIndex()); });
    m_yearChoice->hide();
}

QList<QFrame *> KnockoutPanel::matchBoxes() const
{
    QList<QFrame *> boxes{m_thirdPlace};
    for (const QVector<QFrame *> &round : m_tree)
        boxes += round;
    return boxes;
}

void KnockoutPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.5));
    // Each pair of boxes of a round joins the box of the next round.
    for (std::size_t r = 0; r + 1 < m_tree.size(); ++r) {
        for (qsizetype k = 0; k < m_tree[r + 1].size(); ++k) {
            const QRect next = m_tree[r + 1][k]->geometry();
            const QRect a = m_tree[r][2 * k]->geometry();
            const QRect b = m_tree[r][2 * k + 1]->geometry();
            const int middle = (a.right() + next.left()) / 2;
            QPainterPath path;
            path.moveTo(a.right(), a.center().y());
            path.lineTo(middle, a.center().y());
            path.lineTo(middle, b.center().y());
            path.lineTo(b.right(), b.center().y());
            path.moveTo(middle, next.center().y());
            path.lineTo(next.left(), next.center().y());
            painter.drawPath(path);
        }
    }
}
