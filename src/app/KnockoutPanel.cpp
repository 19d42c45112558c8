#include "app/KnockoutPanel.h"

#include "app/CellBinding.h"
#include "app/ChartLook.h"
#include "app/Controls.h"
#include "app/ScoreEdit.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int columnPitch = 3300;
constexpr int firstColumn = 120;
constexpr int boxWidth = 3000;
constexpr int boxHeight = 660;
constexpr int treeTop = 600;
constexpr int matchPitch = 1140;

// Round-of-16 matches from top to bottom, so that the two matches feeding
// each quarter-final stand next to each other.
constexpr std::array<int, 8> roundOf16Order{0, 1, 4, 5, 2, 3, 6, 7};

int treeRowTop(double row)
{
    return treeTop + int(row * matchPitch);
}

} // namespace

KnockoutPanel::KnockoutPanel(Tournament &t, CellBinding &binding, QWidget *parent)
    : QFrame(parent)
{
    nameControl(this, QStringLiteral("Frame9"));
    setAutoFillBackground(true); // covers the group page

    addRoundCaption(0, QStringLiteral("Huitième de Finale"), firstColumn);
    addRoundCaption(1, QStringLiteral("Quart de Finale"), firstColumn + columnPitch);
    addRoundCaption(2, QStringLiteral("Demi Finale"), firstColumn + 2 * columnPitch);
    addRoundCaption(3, QStringLiteral("Finale"), firstColumn + 3 * columnPitch);

    for (int j = 0; j < 8; ++j)
        m_tree[0].append(addMatch(t, binding, Round::RoundOf16, roundOf16Order[std::size_t(j)], firstColumn,
                                  treeRowTop(j)));
    for (int k = 0; k < 4; ++k)
        m_tree[1].append(addMatch(t, binding, Round::QuarterFinals, k, firstColumn + columnPitch,
                                  treeRowTop(2 * k + 0.5)));
    for (int k = 0; k < 2; ++k)
        m_tree[2].append(addMatch(t, binding, Round::SemiFinals, k, firstColumn + 2 * columnPitch,
                                  treeRowTop(4 * k + 1.5)));
    m_tree[3].append(addMatch(t, binding, Round::Final, 0, firstColumn + 3 * columnPitch, treeRowTop(3.5)));

    auto *third = makeControl<QLabel>(this, QStringLiteral("LabTour"), 4,
                                      QRect(firstColumn + 3 * columnPitch, treeRowTop(6) - 330, boxWidth, 300),
                                      QStringLiteral("Petite Finale"));
    third->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(third);
    m_thirdPlace = addMatch(t, binding, Round::ThirdPlace, 0, firstColumn + 3 * columnPitch, treeRowTop(6));

    addPodium(t, binding);
}

void KnockoutPanel::addRoundCaption(int index, const QString &caption, int left)
{
    auto *label = makeControl<QLabel>(this, QStringLiteral("LabTour"), index, QRect(left, 150, boxWidth, 330), caption);
    label->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(label);
}

QFrame *KnockoutPanel::addMatch(Tournament &t, CellBinding &binding, Round r, int match, int left, int top)
{
    const RoundCells &round = t.round(r);
    auto *box = new QFrame(this);
    box->setGeometry(twipsRect(left, top, boxWidth, boxHeight));
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, chartLook::line);
    box->setPalette(palette);
    for (int row = 0; row < 2; ++row) {
        const int side = 2 * match + row;
        const int y = 30 + row * 300;
        auto *team = makeControl<QLabel>(box, round.team->name(), side, QRect(45, y, 2160, 285));
        team->setIndent(4);
        binding.bind(*round.team, side, team);
        for (CellFamily *cells : {round.goals, round.penalties}) {
            const bool goals = cells == round.goals;
            auto *score = makeControl<ScoreEdit>(box, cells->name(), side,
                                                 QRect(goals ? 2235 : 2625, y, goals ? 360 : 330, 285));
            binding.bind(*cells, side, score);
            m_scores.append(score);
        }
    }
    return box;
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

    const int podiumTop = treeRowTop(6) + boxHeight + 150;
    auto *caption = makeControl<QLabel>(this, QStringLiteral("LabTour"), 5, QRect(left, podiumTop, boxWidth, 300),
                                        QStringLiteral("Podium"));
    caption->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(caption);
    static const std::array<const char *, 4> medals{"#d4af37", "#b8b8c0", "#cd7f32", "#e0e0e0"};
    CellFamily &pod = t.podium();
    for (int place = 1; place <= 4; ++place) {
        const int top = podiumTop + 360 + (place - 1) * 345;
        auto *rank = new QLabel(QString::number(place), this);
        rank->setGeometry(twipsRect(left + 60, top, 315, 315));
        rank->setAlignment(Qt::AlignCenter);
        rank->setStyleSheet(QStringLiteral("background:%1; border-radius:%2px; font-weight:bold;")
                                .arg(QString::fromLatin1(medals[std::size_t(place - 1)]))
                                .arg(px(315) / 2));
        auto *label = makeControl<QLabel>(this, pod.name(), place, QRect(left + 450, top, boxWidth - 450, 315));
        binding.bind(pod, place, label);
        chartLook::setFontSize(label, label->font().pointSizeF() + 1, true);
    }
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
