#include "gui/groups/GroupFrame.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/groups/GroupToolTips.h"
#include "gui/groups/NeedsMarker.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/groups/TeamNameEdit.h"
#include "gui/groups/ToolTipSource.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/FittedLabel.h"
#include "tournament/GroupFixtures.h"
#include "tournament/GroupNeeds.h"
#include "tournament/Tournament.h"

#include <QLabel>

GroupFrameLayout GroupFrameLayout::wallChart()
{
    return {};
}

// Narrow enough for four groups abreast: the fixtures go under the table,
// and the names take whatever width is left.
GroupFrameLayout GroupFrameLayout::card(int width)
{
    GroupFrameLayout layout;
    layout.nameWidth = width - 2 * layout.nameLeft - 5 * layout.statWidth - 30;
    layout.statLeft = layout.nameLeft + layout.nameWidth + 30;
    layout.fixtureTop = 1950;
    layout.fixtureStep = 240;
    layout.fixtureHeight = 240;
    layout.homeLabelLeft = layout.nameLeft;
    layout.labelWidth = (width - 2 * layout.nameLeft - 2 * layout.goalWidth - 195) / 2;
    return layout;
}

int GroupFrameLayout::height() const
{
    return fixtureTop + 6 * fixtureStep + 60;
}

GroupFrame::GroupFrame(Tournament &t, CellBinding &binding, GroupId g, QWidget *parent,
                       const GroupFrameLayout &layout)
    : CardFrame(QString(), parent)
    , m_group(g)
{
    const auto [nameLeft, nameWidth, statLeft, statWidth, cellHeight, homeLabelLeft, labelWidth, goalWidth,
                fixtureTop, fixtureStep, fixtureHeight] = layout;
    // The wall chart's eight frames are named as language files name them;
    // a card's caption is set from the messages by its page.
    if (groupIndex(g) < 8 && layout == GroupFrameLayout::wallChart())
        nameControl(this, QStringLiteral("Frame") + QString::number(groupIndex(g) + 1));
    const GroupCells &cells = t.group(g);

    auto *notice = makeControl<QLabel>(this, cells.tieNotice->name(), -1, QRect(nameLeft, 420, nameWidth, 240));
    binding.bind(*cells.tieNotice, 0, notice);
    notice->setAutoFillBackground(false);

    const std::array<CellFamily *, 5> stats{cells.played, cells.goalsFor, cells.goalsAgainst, cells.difference,
                                            cells.points};
    // The eight groups share their column headings: element c of LabEntete
    // is the heading of column c in every group, worded by the catalogue.
    for (int c = 0; c < 5; ++c) {
        auto *heading = makeControl<QLabel>(this, QStringLiteral("LabEntete"), c,
                                            QRect(statLeft + c * statWidth, 435, statWidth, 240));
        heading->setAlignment(Qt::AlignCenter);
        chartLook::makeHeading(heading);
    }

    for (int slot = 1; slot <= 4; ++slot) {
        auto *team = makeControl<TeamNameEdit>(this, cells.team->name(), slot,
                                               QRect(nameLeft, placeRow(slot), nameWidth, cellHeight));
        binding.bind(*cells.team, slot, team);
        m_teams.append(team);
        new ToolTipSource(team, [&t, g, slot] { return placeToolTip(t, g, slot); });
        addNeedsMarker(t, team);

        // A typed score of "1000" or "2.25" makes wide figures: they are
        // fitted as names are, never drawn over the next cell.
        for (int c = 0; c < 5; ++c) {
            CellFamily &stat = *stats[std::size_t(c)];
            auto *label = makeControl<FittedLabel>(
                this, stat.name(), slot,
                QRect(statLeft + c * statWidth, placeRow(slot), statWidth, cellHeight - (c == 0 ? 30 : 0)));
            label->setAlignment(Qt::AlignCenter);
            binding.bind(stat, slot, label);
        }
    }

    // A thin rule separates the two qualifying places from the others.
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(twipsRect(nameLeft, 1230, statLeft + 5 * statWidth - nameLeft, 30));
    rule->setFrameShadow(QFrame::Plain);
    chartLook::setTextColour(rule, chartLook::line);

    for (int m = 0; m < 6; ++m) {
        const int top = fixtureTop + m * fixtureStep;
        const std::array<int, 2> sides{2 * m, 2 * m + 1};
        const std::array<int, 2> labelLefts{homeLabelLeft, homeLabelLeft + labelWidth + 2 * goalWidth + 105};
        const std::array<int, 2> goalLefts{homeLabelLeft + labelWidth + 30,
                                           homeLabelLeft + labelWidth + goalWidth + 60};
        for (int side = 0; side < 2; ++side) {
            const int i = sides[std::size_t(side)];
            auto *label =
                makeControl<FittedLabel>(this, cells.label->name(), i,
                                         QRect(labelLefts[std::size_t(side)], top, labelWidth, fixtureHeight));
            label->setAlignment((side == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            label->setIndent(3);
            binding.bind(*cells.label, i, label);
            m_labels.append(label);

            auto *score = makeControl<ScoreEdit>(
                this, cells.score->name(), i, QRect(goalLefts[std::size_t(side)], top, goalWidth, fixtureHeight));
            binding.bind(*cells.score, i, score);
            m_scores.append(score);
            binding.onTextChange(*cells.score, i, [this, &t, g] { showNeeds(t, g); });
        }
    }
    showNeeds(t, g);
}
// A thin strip at the left end of the team's name, so that it moves with
// its row and leaves the name all the room it can.
void GroupFrame::addNeedsMarker(const Tournament &t, TeamNameEdit *team)
{
    auto *marker = new NeedsMarker(team);
    team->setTextMargins(marker->width() + 1, 0, 0, 0);
    new ToolTipSource(marker, [&t, marker] {
        return marker->needs() ? needsToolTip(t.messages(), *marker->needs()) : QString();
    });
    m_needsMarkers.append(marker);
}

void GroupFrame::showNeeds(const Tournament &t, GroupId g)
{
    const auto teams = needs(t, g);
    for (int slot = 1; slot <= 4; ++slot)
        m_needsMarkers[slot - 1]->setNeeds(teams ? std::optional((*teams)[std::size_t(slot - 1)]) : std::nullopt);
}

QList<TeamNameEdit *> teamCellsOf(const QVector<GroupFrame *> &frames)
{
    QList<TeamNameEdit *> cells;
    for (GroupFrame *frame : frames)
        cells += frame->teamCells().toList();
    return cells;
}
