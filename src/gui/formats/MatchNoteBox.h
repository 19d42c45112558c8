#pragma once

#include <QFrame>

class QLabel;
struct MatchInfo;

// Where and when the match under the mouse is played, on the pages of
// another format: its venue, its day and its kick-off in the user's zone,
// one under the other so that the box fits a narrow column. It shows only
// while there is something to say: a chart without a schedule never has.
class MatchNoteBox final : public QFrame
{
    Q_OBJECT
public:
    // At `left`, `top` on the page and `width` wide, in twips; its height
    // is its own.
    MatchNoteBox(QWidget *page, int left, int top, int width);

    static constexpr int heightTwips = 1380;

    void showInfo(const MatchInfo &info);

private:
    QLabel *m_venue;
    QLabel *m_date;
    QLabel *m_time;
};
