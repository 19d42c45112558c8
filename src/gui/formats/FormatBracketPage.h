#pragma once

#include <QFrame>
#include <QVector>

class CellBinding;
class CellFamily;
class MatchNoteBox;
class QLabel;
class ScoreEdit;
class Tournament;
struct BracketMatch;
enum class Round;

// The knock-out page of a chart whose format is not the 2010 one: the
// bracket from its official numbers, in two halves that meet at the final
// in the middle, with the match for third place where the format has one,
// the podium and the goal total under it. Each side tells where it comes
// from when the mouse is over it, and where and when its match is played.
class FormatBracketPage final : public QFrame
{
    Q_OBJECT
public:
    FormatBracketPage(Tournament &t, CellBinding &binding, QWidget *parent);

    // Goal and penalty cells in the order of play, for the tab chain.
    const QVector<ScoreEdit *> &scoreCells() const { return m_scores; }
    // Each match's two team labels, with the team cell each stands for.
    struct Side
    {
        QLabel *label;
        const CellFamily *family;
        int index;
    };
    const QVector<Side> &sides() const { return m_sides; }
    MatchNoteBox *noteBox() const { return m_noteBox; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showMessageTexts();
    struct Box
    {
        const BracketMatch *match;
        QFrame *frame;
    };
    double placeMatch(const BracketMatch &m, int depth, bool right, double &nextLeaf, double leafPitch);
    QFrame *addMatch(const BracketMatch &m, int left, int top);
    QString originOf(const BracketMatch &m, int side) const;
    QLabel *addCaption(int left, int top, int width);

    Tournament &m_tournament;
    CellBinding &m_binding;
    int m_levels;      // rounds before the final
    int m_columnPitch; // twips
    QVector<ScoreEdit *> m_scores;
    QVector<Box> m_boxes;
    QVector<Side> m_sides;
    QVector<QLabel *> m_captions; // one a round, then third place and podium
    QVector<QLabel *> m_podium;
    MatchNoteBox *m_noteBox;
};
