#pragma once

#include "i18n/ControlTarget.h"

#include <QList>

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
    // The element `index` of array `name`, or the single control `name`.
    QWidget *control(const QString &name, int index = -1) const;

    void setCaption(QWidget *w, const QString &caption) const;
    void applyControlLine(const QString &name, std::optional<int> index, const QString &caption,
                          const QString &text, const QString &toolTip) override;

private:
    void setText(QWidget *w, const QString &text) const;
    void setToolTip(QWidget *w, const QString &toolTip) const;

    QWidget &m_root;
    Tournament &m_tournament;
    CellBinding &m_binding;
};

// Pictures have neither caption nor text; a label that shows one says so.
void markAsPicture(QWidget *w);
