#pragma once

#include <QLineEdit>

// A team name: read-only until the teams are unlocked. A click is the draw
// of lots when the group shows its tie notice.
class TeamNameEdit final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TeamNameEdit(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
