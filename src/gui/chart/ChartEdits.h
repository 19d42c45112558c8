#pragma once

#include "tournament/GroupId.h"

#include <memory>

#include <QObject>
#include <QUndoStack>

class CellFamily;
class QAction;
class QWidget;
class Tournament;

// The user's edits of the chart, and their undoing. The window's cells
// hand every edit here instead of to the model: a typed text becomes one
// undo step per cell (the keystrokes of one run of typing in a cell, and
// the "-" that the model cleans away, are the same step), a draw of lots
// another. Undoing sets the former text back through the model, so every
// table, the bracket and the podium follow as they follow a typed edit.
// A whole chart loaded clears the steps; a save marks the chart clean.
class ChartEdits final : public QObject
{
    Q_OBJECT
public:
    ChartEdits(Tournament &t, QObject *parent = nullptr);

    // What the user typed into cell (family, index).
    void type(CellFamily &family, int index, const QString &text);
    // A click on a team name: a step only when it sets a draw mark.
    void drawLots(GroupId g, int slot);
    // A click on the third of group g (in its slot) in the thirds' ranking.
    void drawThirdsLots(GroupId g, int slot);

    void undo();
    void redo();
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, anywhere in `window`; `cell` gives
    // them up to the window rather than undoing its own typing.
    void addShortcutsTo(QWidget *window);
    void leaveUndoToTheChart(QWidget *cell);

    // A chart was loaded: nothing before it can be undone.
    void clear();
    // The chart was saved: this is the state that needs no saving.
    void markSaved();
    bool isClean() const { return m_stack->isClean(); }

    // Another tournament is shown over the user's chart: its steps wait
    // aside, untouched by what is done to the other one, until they come
    // back with the chart.
    void setAside();
    void bringBack();
    void dropAside();
    bool isAsideClean() const { return !m_aside || m_aside->isClean(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Keystrokes merge into one step while they stay in one cell and
    // nothing is undone or redone in between.
    void startNewRun() { ++m_run; }
    // A draw mark just set, or not: a step only when it changed.
    void pushMark(GroupId g, int slot, const QString &before);

    Tournament &m_tournament;
    std::unique_ptr<QUndoStack> m_stack = std::make_unique<QUndoStack>();
    std::unique_ptr<QUndoStack> m_aside;
    const CellFamily *m_typedFamily = nullptr;
    int m_typedIndex = -1;
    int m_run = 0;
};
