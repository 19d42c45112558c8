#pragma once

#include <QLineEdit>

// A team name: read-only until the teams are unlocked. A click is the draw
// of lots when the group shows its tie notice. A character that the chart
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

private:
    QString m_refusalText;
};
