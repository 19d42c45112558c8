#pragma once

#include "tournament/GroupNeeds.h"

#include <optional>

#include <QWidget>

// A thin strip beside a team of an unfinished group: green when it is
// through whatever happens, grey when it is out, and otherwise three
// blocks for a win, a draw and a loss in its next match, from the top
// (green through, amber depends, grey out). Hidden once the group is
// complete. It keeps to the left end of the widget it marks, whatever size
// that is given (the compact mode shrinks it).
class NeedsMarker final : public QWidget
{
    Q_OBJECT
public:
    explicit NeedsMarker(QWidget *parent);

    const std::optional<TeamNeeds> &needs() const { return m_needs; }
    void setNeeds(const std::optional<TeamNeeds> &needs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<TeamNeeds> m_needs;
};
