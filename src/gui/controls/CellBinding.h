#pragma once

#include "tournament/Cell.h"

#include <QColor>
#include <QHash>
#include <QMultiHash>

#include <QVector>
#include <functional>

class CellFamily;
class QWidget;
class Tournament;

// Mirrors model cells into the widgets that show them. The model is the one
// source of truth: widgets send edits to the model, and this observer
// writes every resulting change back, so a cleaned score or a moved row
// shows at once.
class CellBinding final
{
public:
    explicit CellBinding(Tournament &t);
    ~CellBinding();
    CellBinding(const CellBinding &) = delete;
    CellBinding &operator=(const CellBinding &) = delete;

    // Shows cell (family, index) in w and keeps it current.
    void bind(const CellFamily &family, int index, QWidget *w);

    struct Address
    {
        CellFamily *family = nullptr;
        int index = 0;
    };
    // The model cell that w shows, if any.
    Address cellOf(const QWidget *w) const;

    // Runs reaction whenever the text of cell (family, index) changes, for
    // as long as this binding lives.
    void onTextChange(const CellFamily &family, int index, std::function<void()> reaction);

    // Every bound text again, after a language brought other team names.
    void showTexts();

private:
    void show(QWidget *w, const Cell &cell, CellProperty property) const;

    Tournament &m_tournament;
    int m_observerKey;
    QHash<const CellFamily *, QVector<QWidget *>> m_widgets; // by index - first
    QMultiHash<std::pair<const CellFamily *, int>, std::function<void()>> m_reactions;
    QHash<const QWidget *, Address> m_cells;
};

QColor toColour(Rgb rgb);
