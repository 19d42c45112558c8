#pragma once

#include <QLineEdit>

// A team name: read-only until the teams are unlocked. A click is the draw
// of lots when the group shows its tie notice. The outcome of a complete
// group shows in the name's colour and, for those who cannot tell red from
// grey or print in black and white, in its face: bold when qualified, as
// the tables make it, italic when eliminated. A character that the chart
// file cannot hold is refused as it is typed or pasted, with a tooltip that
// says why, rather than saved as something else.
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
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_refusalText;
};
