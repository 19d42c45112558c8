#pragma once

#include "gui/kit/CardFrame.h"
#include "tournament/Cell.h"
#include "tournament/FormatStage.h"
#include "tournament/GroupId.h"

#include <optional>

#include <QVector>

class FittedLabel;
class QLabel;
class Tournament;

// The third-placed teams of every group ranked across the groups, with the
// line that the best of them pass. It follows every change of the chart,
// says on each row what put the team where it stands, and while teams are
// level across the line, a click on one of them puts it through.
class ThirdsPanel final : public CardFrame
{
    Q_OBJECT
public:
    // `width` in twips.
    ThirdsPanel(Tournament &t, int width, QWidget *parent);
    ~ThirdsPanel() override;

    // The panel's height for the chart's number of groups, in twips.
    static int height(int groups);
    void showMessageTexts();

signals:
    // The team of the third of group g, in its slot, was clicked while the
    // line was undecided.
    void thirdClicked(GroupId g, int slot);

protected:
    // A click on a team's name: a long one is a fitted label, which has no
    // click of its own.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshSoon();
    void refresh();
    QString whyAt(int place) const;

    // How a row's team is shown: its colour, bold, and whether a click on
    // it draws lots.
    struct Look
    {
        Rgb colour;
        bool bold;
        bool drawsLots;
        bool operator==(const Look &) const = default;
    };
    struct Row
    {
        QLabel *group;
        FittedLabel *team;
        QVector<QLabel *> figures; // points, difference, goals
        std::optional<Look> look;  // none until first shown
    };
    Tournament &m_tournament;
    QVector<Row> m_rows;
    QVector<QLabel *> m_headings;
    QLabel *m_notice;
    ThirdsStanding m_standing;
    std::vector<std::pair<GroupId, int>> m_shown; // by row: the group and slot shown
    int m_observer;
    bool m_pending = false;
};
