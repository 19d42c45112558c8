#include "gui/controls/CellBinding.h"

#include "gui/controls/Controls.h"
#include "gui/kit/CompactMode.h"
#include "gui/kit/FittedLabel.h"
#include "tournament/Tournament.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

QColor toColour(Rgb rgb)
{
    if (rgb == colours::buttonFace)
        return QPalette().color(QPalette::Button);
    // The chart's grey is too pale to read; this one still says grey and
    // reads at 4.6:1 or better on white and on every slot colour.
    if (rgb == colours::eliminated)
        return QColor(0x6b, 0x6b, 0x6b);
    return QColor::fromRgb(rgb);
}

namespace {

// A name too long for a right-aligned label would lose its first letters
// ("épublique tchèque"); it keeps them and loses its end instead.
void showBeginning(QLabel *label)
{
    // A fitted label shrinks or cuts its text instead.
    if (label->wordWrap() || qobject_cast<FittedLabel *>(label))
        return;
    const QVariant design = label->property("designAlignment");
    const Qt::Alignment aligned = design.isValid() ? Qt::Alignment(design.toInt()) : label->alignment();
    if (!design.isValid())
        label->setProperty("designAlignment", int(aligned));
    const bool fits = label->fontMetrics().horizontalAdvance(label->text()) + label->indent() + 2 <=
                      label->contentsRect().width();
    const Qt::Alignment shown = fits ? aligned : (aligned & Qt::AlignVertical_Mask) | Qt::AlignLeft;
    if (label->alignment() != shown)
        label->setAlignment(shown);
}

} // namespace

CellBinding::CellBinding(Tournament &t)
    : m_tournament(t)
{
    m_observerKey = t.addObserver([this](const CellFamily &f, int index, CellProperty property) {
        const auto it = m_widgets.constFind(&f);
        if (it != m_widgets.constEnd())
            if (QWidget *w = it->value(index - f.first()))
                show(w, f[index], property);
        if (property == CellProperty::Text)
            for (const auto &reaction : m_reactions.values({&f, index}))
                reaction();
    });
}

CellBinding::~CellBinding()
{
    m_tournament.removeObserver(m_observerKey);
}

void CellBinding::onTextChange(const CellFamily &family, int index, std::function<void()> reaction)
{
    m_reactions.insert({&family, index}, std::move(reaction));
}

void CellBinding::bind(const CellFamily &family, int index, QWidget *w)
{
    QVector<QWidget *> &widgets = m_widgets[&family];
    if (widgets.isEmpty())
        widgets.resize(family.last() - family.first() + 1);
    widgets[index - family.first()] = w;
    m_cells.insert(w, {&m_tournament.family(family.name()), index});
    if (auto *label = qobject_cast<QLabel *>(w)) {
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
    }
    // Showing the text colour shows the background too.
    for (CellProperty p : {CellProperty::Text, CellProperty::ToolTip, CellProperty::TextColour, CellProperty::Bold,
                           CellProperty::Row})
        show(w, family[index], p);
}

CellBinding::Address CellBinding::cellOf(const QWidget *w) const
{
    return m_cells.value(w);
}

void CellBinding::showTexts()
{
    for (auto it = m_widgets.constBegin(); it != m_widgets.constEnd(); ++it)
        for (qsizetype i = 0; i < it->size(); ++i)
            if (QWidget *w = it->at(i))
                show(w, (*it.key())[it.key()->first() + int(i)], CellProperty::Text);
}

void CellBinding::show(QWidget *w, const Cell &cell, CellProperty property) const
{
    auto *edit = qobject_cast<QLineEdit *>(w);
    switch (property) {
    case CellProperty::Text: {
        // The model keeps the stored name, which rules and files use; only
        // the widget shows the language's.
        const QString shown = m_tournament.messages().teamNames().shown(cell.text);
        if (edit) {
            if (edit->text() != shown) {
                edit->setText(shown);
                // A text too long for its box shows its beginning, not the
                // end the caret left in view.
                if (!edit->hasFocus())
                    edit->setCursorPosition(0);
            }
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            label->setText(shown);
            showBeginning(label);
        }
        break;
    }
    case CellProperty::ToolTip:
        w->setToolTip(cell.toolTip);
        break;
    case CellProperty::TextColour:
    case CellProperty::Background: {
        // Setting a palette or a font costs far more than comparing it:
        // the window binds hundreds of cells at start-up.
        const QPalette::ColorRole text = edit ? QPalette::Text : QPalette::WindowText;
        const QPalette::ColorRole background = edit ? QPalette::Base : QPalette::Window;
        const QColor textColour = toColour(cell.textColour);
        const QColor backgroundColour = toColour(cell.background);
        QPalette palette = w->palette();
        if (palette.color(text) == textColour && palette.color(background) == backgroundColour)
            break;
        palette.setColor(text, textColour);
        palette.setColor(background, backgroundColour);
        w->setPalette(palette);
        break;
    }
    case CellProperty::Bold:
        if (w->font().bold() != cell.bold) {
            QFont font = w->font();
            font.setBold(cell.bold);
            w->setFont(font);
        }
        break;
    case CellProperty::Row:
        // Only cells that move with their place have a row; rows are in
        // twips of the full-size chart, shown at the chart's scale.
        if (cell.row > 0) {
            QRect design = compactMode::designGeometry(*w);
            design.moveTop(px(cell.row));
            compactMode::place(*w, design);
        }
        break;
    case CellProperty::Tag:
        break;
    }
}
