#include "gui/controls/ControlRegistry.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "i18n/ControlCatalogue.h"
#include "tournament/Tournament.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

bool isPicture(const QWidget *w)
{
    return w->property("picture").toBool();
}

bool isFixed(const QWidget *w)
{
    return w->property("fixed").toBool();
}

} // namespace

void markAsPicture(QWidget *w)
{
    w->setProperty("picture", true);
}

void markAsFixed(QWidget *w)
{
    w->setProperty("fixed", true);
}

ControlRegistry::ControlRegistry(QWidget &root, Tournament &t, CellBinding &binding)
    : m_root(root)
    , m_tournament(t)
    , m_binding(binding)
{
    // The French file's lines come first: a control takes its words from
    // them when it is built, and a language file replaces them line by line.
    for (const ControlWords &words : frenchControls)
        m_lines.append({QString::fromUtf16(words.name),
                        words.index < 0 ? std::nullopt : std::optional<int>(words.index),
                        QString::fromUtf16(words.caption), QString(), QString::fromUtf16(words.toolTip)});
}

QList<QWidget *> ControlRegistry::find(const QString &name, std::optional<int> index) const
{
    QList<QWidget *> found;
    if (m_index) {
        for (const QPointer<QWidget> &w : m_index->value(name))
            if (w)
                found.append(w);
    } else {
        found = m_root.findChildren<QWidget *>(name);
    }
    if (index)
        found.removeIf([&](const QWidget *w) { return controlIndex(w) != *index; });
    return found;
}

void ControlRegistry::setCaption(QWidget *w, const QString &caption) const
{
    const CellBinding::Address cell = m_binding.cellOf(w);
    if (cell.family && !qobject_cast<QLineEdit *>(w))
        m_tournament.setText(*cell.family, cell.index, caption);
    else if (auto *label = qobject_cast<QLabel *>(w); label && !isPicture(w))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(caption);
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        box->setTitle(caption);
}

void ControlRegistry::setText(QWidget *w, const QString &text) const
{
    const CellBinding::Address cell = m_binding.cellOf(w);
    if (cell.family && qobject_cast<QLineEdit *>(w))
        m_tournament.setText(*cell.family, cell.index, text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setCurrentText(text);
}

void ControlRegistry::setToolTip(QWidget *w, const QString &toolTip) const
{
    const CellBinding::Address cell = m_binding.cellOf(w);
    if (cell.family)
        m_tournament.setToolTip(*cell.family, cell.index, toolTip);
    else
        w->setToolTip(toolTip);
}

void ControlRegistry::applyControlLine(const QString &name, std::optional<int> index, const QString &caption,
                                       const QString &text, const QString &toolTip)
{
    const Line line{name, index, caption, text, toolTip};
    const auto same = std::find_if(m_lines.begin(), m_lines.end(),
                                   [&](const Line &l) { return l.name == name && l.index == index; });
    if (same != m_lines.end())
        *same = line;
    else
        m_lines.append(line);
    apply(line, find(name, index));
}

void ControlRegistry::adopt(QWidget &panel)
{
    // One walk over a page of hundreds of controls, not one a line.
    QHash<QString, QList<QWidget *>> named;
    named[panel.objectName()].append(&panel);
    for (QWidget *w : panel.findChildren<QWidget *>())
        if (!w->objectName().isEmpty())
            named[w->objectName()].append(w);
    for (const Line &line : std::as_const(m_lines)) {
        QList<QWidget *> found = named.value(line.name);
        if (line.index)
            found.removeIf([&](const QWidget *w) { return controlIndex(w) != *line.index; });
        apply(line, found);
    }
}

void ControlRegistry::apply(const Line &line, const QList<QWidget *> &controls)
{
    for (QWidget *w : controls) {
        if (isFixed(w))
            continue;
        setCaption(w, line.caption);
        setText(w, line.text);
        setToolTip(w, line.toolTip);
    }
}

ControlRegistry::Indexed::Indexed(ControlRegistry &registry)
    : m_registry(registry)
{
    QHash<QString, QList<QPointer<QWidget>>> index;
    for (QWidget *w : registry.m_root.findChildren<QWidget *>())
        if (!w->objectName().isEmpty())
            index[w->objectName()].append(w);
    registry.m_index = std::move(index);
}

ControlRegistry::Indexed::~Indexed()
{
    m_registry.m_index.reset();
}
