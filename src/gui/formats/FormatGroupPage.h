#pragma once

#include <QFrame>
#include <QVector>

class CellBinding;
class GroupFrame;
class MatchNoteBox;
class ThirdsPanel;
class Tournament;

// The group page of a chart whose format is not the 2010 one: every group
// as a card (four abreast for twelve groups, three for six), fixtures under
// the table, and the thirds' ranking beside them. It covers the 2010 page
// and is built for the format it shows.
class FormatGroupPage final : public QFrame
{
    Q_OBJECT
public:
    FormatGroupPage(Tournament &t, CellBinding &binding, QWidget *parent);

    const QVector<GroupFrame *> &frames() const { return m_frames; }
    ThirdsPanel *thirds() const { return m_thirds; }
    MatchNoteBox *noteBox() const { return m_noteBox; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void showMessageTexts();
    Tournament &m_tournament;
    QVector<GroupFrame *> m_frames;
    ThirdsPanel *m_thirds;
    MatchNoteBox *m_noteBox;
};
