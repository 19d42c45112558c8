#include "gui/formats/FormatBracketPage.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/formats/MatchNoteBox.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/groups/ToolTipSource.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/FittedLabel.h"
#include "tournament/FormatStage.h"
#include "tournament/Tournament.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int pageWidth = 17610;
constexpr int pageHeight = 10380;
constexpr int captionTop = 90;
constexpr int captionHeight = 300;
constexpr int treeTop = 480;
constexpr int boxHeight = 600;
constexpr int rowHeight = 270;
constexpr int goalWidth = 330;
constexpr int penaltyWidth = 300;
constexpr int quitHeight = 660;

// Where a round's name stands in the message that names them all.
int roundNameIndex(Round r)
{
    switch (r) {
    case Round::RoundOf32:
        return 0;
    case Round::RoundOf16:
        return 1;
    case Round::QuarterFinals:
        return 2;
    case Round::SemiFinals:
        return 3;
    case Round::Final:
        return 4;
    case Round::ThirdPlace:
        return 5;
    }
    return 4;
}

const BracketMatch *feeder(const FormatRules &rules, const BracketSlot &slot)
{
    return slot.kind == BracketSlot::Kind::MatchWinner ? rules.match(slot.match) : nullptr;
}

QString groupLetters(quint16 pool)
{
    QStringList letters;
    for (int g = 0; g < maxGroups; ++g)
        if (pool & (1u << g))
            letters << QString(groupLetter(GroupId(g)));
    return letters.join(u'/');
}

} // namespace

FormatBracketPage::FormatBracketPage(Tournament &t, CellBinding &binding, QWidget *parent)
    : QFrame(parent)
    , m_tournament(t)
    , m_binding(binding)
{
    setAutoFillBackground(true); // covers the 2010 bracket
    const FormatRules &rules = t.rules();
    std::vector<Round> tree;
    for (Round r : t.rounds())
        if (r != Round::ThirdPlace && r != Round::Final)
            tree.push_back(r);
    m_levels = int(tree.size());
    m_columnPitch = pageWidth / (2 * m_levels + 1);

    const BracketMatch &final = rules.matchesOf(Round::Final).front();
    // The foot of the page is left to the way out, which stands over it.
    const double leafPitch =
        double(pageHeight - treeTop - quitHeight) / double(rules.matchesOf(tree.front()).size() / 2);
    double nextLeaf = 0;
    const double left = placeMatch(*feeder(rules, final.sides[0]), 1, false, nextLeaf, leafPitch);
    nextLeaf = 0;
    const double right = placeMatch(*feeder(rules, final.sides[1]), 1, true, nextLeaf, leafPitch);

    for (int level = 0; level < m_levels; ++level) {
        const QString name = QString::number(roundNameIndex(tree[std::size_t(level)]));
        for (int column : {level, 2 * m_levels - level})
            addCaption(column * m_columnPitch + 60, captionTop, m_columnPitch - 120)->setProperty("part", name);
    }

    // The final in the middle, the goal total over it; under it the match
    // for third place and the podium. Where and when a match is played
    // stands at the top of the column, which the tree leaves free.
    const int middle = m_levels * m_columnPitch + 60;
    const int width = m_columnPitch - 120;
    m_noteBox = new MatchNoteBox(this, middle, treeTop, width);
    const int finalTop = int((left + right) / 2) - boxHeight / 2;
    addCaption(middle, captionTop, width)->setProperty("part", QString::number(roundNameIndex(Round::Final)));
    addMatch(final, middle, finalTop);
    auto *total = new QLabel(this);
    total->setGeometry(twipsRect(middle, finalTop - 420, width, 330));
    total->setAlignment(Qt::AlignCenter);
    binding.bind(t.family(QStringLiteral("Label21")), 0, total);
    total->setAutoFillBackground(false);
    chartLook::setFontSize(total, total->font().pointSizeF(), true);
    int below = finalTop + boxHeight + 300;
    if (t.hasRound(Round::ThirdPlace)) {
        addCaption(middle, below, width)->setProperty("part", QString::number(roundNameIndex(Round::ThirdPlace)));
        addMatch(rules.matchesOf(Round::ThirdPlace).front(), middle, below + captionHeight + 45);
        below += captionHeight + 45 + boxHeight + 300;
    }
    addCaption(middle, below, width)->setProperty("part", QStringLiteral("6"));
    const int places = t.hasRound(Round::ThirdPlace) ? 4 : 2;
    for (int place = 1; place <= places; ++place) {
        auto *label = new FittedLabel(this);
        label->setGeometry(twipsRect(middle, below + captionHeight + 45 + (place - 1) * 300, width, 285));
        label->setIndent(4);
        binding.bind(t.podium(), place, label);
        chartLook::setFontSize(label, label->font().pointSizeF(), place == 1);
    }
    showMessageTexts();
}

// The matches that feed `m`, then `m` between them: a first-round match
// takes the next place down its half.
double FormatBracketPage::placeMatch(const BracketMatch &m, int depth, bool right, double &nextLeaf,
                                     double leafPitch)
{
    const FormatRules &rules = m_tournament.rules();
    const BracketMatch *first = feeder(rules, m.sides[0]);
    const BracketMatch *second = feeder(rules, m.sides[1]);
    double centre;
    if (first && second) {
        centre = (placeMatch(*first, depth + 1, right, nextLeaf, leafPitch) +
                  placeMatch(*second, depth + 1, right, nextLeaf, leafPitch)) /
                 2;
    } else {
        centre = treeTop + (nextLeaf + 0.5) * leafPitch;
        nextLeaf += 1;
    }
    const int column = right ? m_levels + depth : m_levels - depth;
    addMatch(m, column * m_columnPitch + 60, int(centre) - boxHeight / 2);
    return centre;
}

QFrame *FormatBracketPage::addMatch(const BracketMatch &m, int left, int top)
{
    Round round = Round::Final;
    int k = 0;
    for (Round r : m_tournament.rounds()) {
        const std::span<const BracketMatch> matches = m_tournament.rules().matchesOf(r);
        const auto at =
            std::find_if(matches.begin(), matches.end(), [&m](const BracketMatch &x) { return &x == &m; });
        if (at != matches.end()) {
            round = r;
            k = int(at - matches.begin());
        }
    }
    const RoundCells &cells = m_tournament.round(round);
    const int width = m_columnPitch - 120;
    const int teamWidth = width - 45 - goalWidth - penaltyWidth - 60;
    auto *box = new QFrame(this);
    box->setGeometry(twipsRect(left, top, width, boxHeight));
    chartLook::makeMatchBox(box);
    for (int row = 0; row < 2; ++row) {
        const int side = 2 * k + row;
        auto *team = new FittedLabel(box);
        team->setGeometry(twipsRect(45, 30 + row * 285, teamWidth, rowHeight));
        team->setIndent(3);
        m_binding.bind(*cells.team, side, team);
        const CellFamily *family = cells.team;
        new ToolTipSource(team, [this, &m, row, family, side] {
            const QString &note = (*family)[side].toolTip;
            return note.isEmpty() ? originOf(m, row) : originOf(m, row) + u'\n' + note;
        });
        m_sides.append({team, family, side});
    }
    // Both sides' goals, then the shoot-out, as on the 2010 page.
    for (CellFamily *family : {cells.goals, cells.penalties}) {
        const bool goals = family == cells.goals;
        for (int row = 0; row < 2; ++row) {
            auto *score = new ScoreEdit(box);
            score->setGeometry(twipsRect(goals ? 45 + teamWidth + 30 : 45 + teamWidth + 60 + goalWidth,
                                         30 + row * 285, goals ? goalWidth : penaltyWidth, rowHeight));
            nameControl(score, family->name(), 2 * k + row);
            m_binding.bind(*family, 2 * k + row, score);
            m_scores.append(score);
        }
    }
    m_boxes.append({&m, box});
    return box;
}

QLabel *FormatBracketPage::addCaption(int left, int top, int width)
{
    auto *caption = new QLabel(this);
    caption->setGeometry(twipsRect(left, top, width, captionHeight));
    caption->setAlignment(Qt::AlignCenter);
    chartLook::makeBanner(caption);
    m_captions.append(caption);
    return caption;
}

void FormatBracketPage::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showMessageTexts();
}

void FormatBracketPage::showMessageTexts()
{
    const QStringList names = m_tournament.messages().text(Message::roundNames).split(u'|');
    for (QLabel *caption : std::as_const(m_captions))
        caption->setText(names.value(caption->property("part").toInt()));
}

// "1er du groupe A", "3e du groupe F (table des troisièmes)", "Vainqueur
// du match 74": where the side comes from, in the official words.
QString FormatBracketPage::originOf(const BracketMatch &m, int side) const
{
    const QStringList origins = m_tournament.messages().text(Message::slotOrigins).split(u'|');
    const BracketSlot &slot = m.sides[std::size_t(side)];
    switch (slot.kind) {
    case BracketSlot::Kind::Winner:
        return origins.value(0).arg(groupLetter(GroupId(slot.group)));
    case BracketSlot::Kind::RunnerUp:
        return origins.value(1).arg(groupLetter(GroupId(slot.group)));
    case BracketSlot::Kind::Third: {
        const ThirdsStanding thirds = thirdsStanding(m_tournament, formatGroups(m_tournament));
        if (const std::optional<GroupId> g = thirdFilling(m_tournament, thirds, m.sides[std::size_t(1 - side)]))
            return origins.value(2).arg(groupLetter(*g));
        return origins.value(3).arg(groupLetters(slot.pool));
    }
    case BracketSlot::Kind::MatchWinner:
        return origins.value(4).arg(slot.match);
    case BracketSlot::Kind::MatchLoser:
        return origins.value(5).arg(slot.match);
    }
    return QString();
}

// Each match joins the match its winner goes to.
void FormatBracketPage::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1.5));
    for (const Box &next : std::as_const(m_boxes)) {
        for (const BracketSlot &slot : next.match->sides) {
            if (slot.kind != BracketSlot::Kind::MatchWinner)
                continue;
            for (const Box &from : std::as_const(m_boxes)) {
                if (from.match->number != slot.match)
                    continue;
                const QRect a = from.frame->geometry();
                const QRect b = next.frame->geometry();
                const bool rightward = a.center().x() < b.center().x();
                const int start = rightward ? a.right() : a.left();
                const int end = rightward ? b.left() : b.right();
                const int middle = (start + end) / 2;
                QPainterPath path;
                path.moveTo(start, a.center().y());
                path.lineTo(middle, a.center().y());
                path.lineTo(middle, b.center().y());
                path.lineTo(end, b.center().y());
                painter.drawPath(path);
            }
        }
    }
}
