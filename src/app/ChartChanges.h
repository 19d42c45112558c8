#pragma once

class Tournament;

// Whether the chart holds predictions that are not in its file yet. Any
// change of what the user types (scores, penalties, team names, draw marks)
// makes it dirty; a successful save and every whole-chart load make it
// clean again. Computed cells and the help page's worked example do not
// count: saving would not write them.
class ChartChanges final
{
public:
    explicit ChartChanges(Tournament &t);
    ~ChartChanges();
    ChartChanges(const ChartChanges &) = delete;
    ChartChanges &operator=(const ChartChanges &) = delete;

    bool isClean() const { return m_clean; }
    void markClean() { m_clean = true; }

private:
    Tournament &m_tournament;
    int m_observerKey;
    bool m_clean = true;
};
