#pragma once

#include <QLineEdit>

// A team name: read-only until the teams are unlocked. A click is the draw
// of lots when the group shows its tie notice. The outcome of a complete
// group shows in the name's colour and, for those who cannot tell red from
// grey or print in black and white, in its face: bold when qualified, as
// the tables make it, italic when eliminated.
class TeamNameEdit final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TeamNameEdit(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
};
