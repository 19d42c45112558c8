#pragma once

#include "i18n/ControlTarget.h"

#include <QHash>
#include <QList>
#include <QPointer>

class CellBinding;
class QWidget;
class Tournament;

// Finds the window's controls by name and element index, the way language
// files address them, and writes their captions, texts and tooltips. A
// control that shows a model cell is written through the model, so the
// cell's change handling runs as for any other edit.
class ControlRegistry final : public ControlTarget
{
public:
    ControlRegistry(QWidget &root, Tournament &t, CellBinding &binding);

    // Every control named `name`; with an index, only that array element.
    QList<QWidget *> find(const QString &name, std::optional<int> index = std::nullopt) const;

    void setCaption(QWidget *w, const QString &caption) const;
    // Applied to the controls there are now, and remembered for the
    // panels built later: each is handed to adopt() once it exists. The
    // catalogue's French lines are remembered from the start.
    void applyControlLine(const QString &name, std::optional<int> index, const QString &caption,
                          const QString &text, const QString &toolTip) override;
    void adopt(QWidget &panel);

    // While one lives, lookups go through one index of the window's
    // controls made at its start: a language file names some two hundred
    // controls, and searching the whole window for each was most of the
    // cost of applying one. Nothing may be created meanwhile.
    class Indexed final
    {
    public:
        explicit Indexed(ControlRegistry &registry);
        ~Indexed();
        Indexed(const Indexed &) = delete;
        Indexed &operator=(const Indexed &) = delete;

    private:
        ControlRegistry &m_registry;
    };

private:
    struct Line
    {
        QString name;
        std::optional<int> index;
        QString caption;
        QString text;
        QString toolTip;
    };
    void apply(const Line &line, const QList<QWidget *> &controls);

    void setText(QWidget *w, const QString &text) const;
    void setToolTip(QWidget *w, const QString &toolTip) const;

    QWidget &m_root;
    Tournament &m_tournament;
    CellBinding &m_binding;
    QList<Line> m_lines;
    std::optional<QHash<QString, QList<QPointer<QWidget>>>> m_index;
};

// Pictures have neither caption nor text; a label that shows one says so.
void markAsPicture(QWidget *w);

// The program's own words, which no language file may rewrite.
void markAsFixed(QWidget *w);
