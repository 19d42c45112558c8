#pragma once

#include <QLineEdit>

#include "gui/kit/FittingText.h"

// A team name: read-only until the teams are unlocked. A click is the draw
// of lots when the group shows its tie notice. The outcome of a complete
// group shows in the name's colour and, for those who cannot tell red from
// grey or print in black and white, in its face: bold when qualified, as
// the tables make it, italic when eliminated. A character that the chart
// file cannot hold is refused as it is typed or pasted, with a tooltip that
// says why, rather than saved as something else. A name too long for its
// box is shown smaller, or cut with the whole name in the tooltip, except
// while the user edits it.
class TeamNameEdit final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TeamNameEdit(QWidget *parent = nullptr);

    // The tooltip of a refused character, "%1" standing for it.
    void setRefusalText(const QString &text) { m_refusalText = text; }

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_refusalText;
    fittingText::Fit m_shown;
};
