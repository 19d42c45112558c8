#include "gui/chart/ChartEdits.h"

#include <utility>

#include "tournament/FormatStage.h"
#include "tournament/GroupStage.h"
#include "tournament/Tournament.h"

#include <QAction>
#include <QKeyEvent>
#include <QUndoCommand>
#include <QWidget>

namespace {

// One cell's text, from what it was before the user typed to what the
// model made of the typing.
class TextEdit final : public QUndoCommand
{
public:
    TextEdit(Tournament &t, CellFamily &family, int index, const QString &typed, int run)
        : m_tournament(t)
        , m_family(family)
        , m_index(index)
        , m_before(family.text(index))
        , m_after(typed)
        , m_run(run)
    {}

    // The first time, this is the typed edit itself; the text the model
    // keeps is what a redo sets again.
    void redo() override
    {
        m_tournament.setText(m_family, m_index, m_after);
        m_after = m_family.text(m_index);
        setObsolete(m_after == m_before);
    }
    void undo() override { m_tournament.setText(m_family, m_index, m_before); }

    int id() const override { return m_run; }
    bool mergeWith(const QUndoCommand *other) override
    {
        m_after = static_cast<const TextEdit *>(other)->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    Tournament &m_tournament;
    CellFamily &m_family;
    int m_index;
    QString m_before;
    QString m_after;
    int m_run;
};

// A draw mark set by a click; the group is recomputed either way.
class DrawMarkEdit final : public QUndoCommand
{
public:
    DrawMarkEdit(Tournament &t, GroupId g, int slot, const QString &before)
        : m_tournament(t)
        , m_group(g)
        , m_slot(slot)
        , m_before(before)
        , m_after(t.group(g).team->operator[](slot).tag)
    {}

    void redo() override { setMark(m_after); }
    void undo() override { setMark(m_before); }

private:
    void setMark(const QString &mark)
    {
        m_tournament.setTag(*m_tournament.group(m_group).team, m_slot, mark);
        ComputeGroupStandings(m_tournament, m_group);
    }

    Tournament &m_tournament;
    GroupId m_group;
    int m_slot;
    QString m_before;
    QString m_after;
};

bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

ChartEdits::ChartEdits(Tournament &t, QObject *parent)
    : QObject(parent)
    , m_tournament(t)
{
}

void ChartEdits::type(CellFamily &family, int index, const QString &text)
{
    if (text == family.text(index))
        return;
    if (&family != m_typedFamily || index != m_typedIndex)
        startNewRun();
    m_typedFamily = &family;
    m_typedIndex = index;
    m_stack->push(new TextEdit(m_tournament, family, index, text, m_run));
}

void ChartEdits::drawLots(GroupId g, int slot)
{
    const QString before = (*m_tournament.group(g).team)[slot].tag;
    DrawLots(m_tournament, g, slot);
    pushMark(g, slot, before);
}

void ChartEdits::drawThirdsLots(GroupId g, int slot)
{
    const QString before = (*m_tournament.group(g).team)[slot].tag;
    DrawThirdsLots(m_tournament, g);
    pushMark(g, slot, before);
}

void ChartEdits::pushMark(GroupId g, int slot, const QString &before)
{
    startNewRun();
    // Already done: pushing redoes it, which sets the same mark again.
    if ((*m_tournament.group(g).team)[slot].tag != before)
        m_stack->push(new DrawMarkEdit(m_tournament, g, slot, before));
}

void ChartEdits::undo()
{
    startNewRun();
    m_stack->undo();
}

void ChartEdits::redo()
{
    startNewRun();
    m_stack->redo();
}

void ChartEdits::addShortcutsTo(QWidget *window)
{
    auto *undo = new QAction(window);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, &ChartEdits::undo);
    auto *redo = new QAction(window);
    redo->setShortcuts({QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                        QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    connect(redo, &QAction::triggered, this, &ChartEdits::redo);
    window->addActions({undo, redo});
}

void ChartEdits::leaveUndoToTheChart(QWidget *cell)
{
    cell->installEventFilter(this);
}

// A line edit would take Ctrl+Z for its own typing, behind the chart's back.
bool ChartEdits::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::ShortcutOverride && isUndoOrRedo(static_cast<QKeyEvent *>(event));
}

void ChartEdits::clear()
{
    startNewRun();
    m_stack->clear();
}

void ChartEdits::setAside()
{
    startNewRun();
    m_aside = std::exchange(m_stack, std::make_unique<QUndoStack>());
}

void ChartEdits::bringBack()
{
    if (!m_aside)
        return;
    startNewRun();
    m_stack = std::move(m_aside);
}

void ChartEdits::dropAside()
{
    m_aside.reset();
}

void ChartEdits::markSaved()
{
    startNewRun();
    m_stack->setClean();
}
