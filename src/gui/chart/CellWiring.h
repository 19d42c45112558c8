#pragma once

class ChartEdits;
class FormatPages;
class CellBinding;
class GroupPage;
class KnockoutPanel;
class MatchInfoPanel;
class QWidget;
class Tournament;

// The chart's cells handed to what serves them: every control that stands
// for a match shows where and when it is played while the mouse is over
// it; whatever the user types, and the draw of lots, goes through the
// edits, so that it can be undone and needs saving; the score cells form
// one tab chain over both pages. The help page's worked example is no
// part of the chart: it edits the model on its own.
class CellWiring final
{
public:
    CellWiring(Tournament &t, CellBinding &binding, ChartEdits &edits, MatchInfoPanel &matchInfo);

    void wireGroupPage(const GroupPage &page);
    // The page and, behind it, the window's background.
    void wireKnockoutPage(KnockoutPanel &page, QWidget &window);
    // The pages of another format, with their own binding; the bracket
    // once it is made.
    void wireFormatGroups(const FormatPages &pages);
    void wireFormatBracket(const FormatPages &pages);
    // The group page comes first; it may not be built yet.
    static void chainTabOrder(const GroupPage *groups, const KnockoutPanel &knockout);

private:
    Tournament &m_tournament;
    CellBinding &m_binding;
    ChartEdits &m_edits;
    MatchInfoPanel &m_matchInfo;
};
