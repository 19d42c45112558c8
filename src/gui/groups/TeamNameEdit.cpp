#include "gui/groups/TeamNameEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

#include "storage/CodePage.h"

namespace {

// Pasted text and input methods do not come as key presses.
class StorableText final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return firstUnstorable(input) < 0 ? Acceptable : Invalid;
    }
};

// The whole character, surrogate pairs included.
QString characterAt(QStringView text, qsizetype i)
{
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return text.mid(i, pair ? 2 : 1).toString();
}

} // namespace

#include "gui/controls/CellBinding.h"
#include "tournament/Cell.h"

TeamNameEdit::TeamNameEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    setValidator(new StorableText(this));
}

bool TeamNameEdit::event(QEvent *event)
{
    return fittingText::showWholeText(this, event, text(), m_shown) || QLineEdit::event(event);
}

void TeamNameEdit::paintEvent(QPaintEvent *event)
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // The line edit's own text margin, beside the style's contents rect.
    constexpr int lineEditMargin = 2;
    const QRect room = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                           .marginsRemoved(textMargins())
                           .adjusted(lineEditMargin, 0, -lineEditMargin, 0);
    const bool editing = !isReadOnly() && hasFocus();
    m_shown = editing ? fittingText::Fit{font(), text(), false} : fittingText::fit(text(), font(), room.width());
    if (!m_shown.elided && m_shown.font == font()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    p.setFont(m_shown.font);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(room, int(alignment()), m_shown.text);
}

void TeamNameEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const qsizetype refused = firstUnstorable(typed);
    if (isReadOnly() || refused < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    QToolTip::showText(mapToGlobal(QPoint(0, height())), m_refusalText.arg(characterAt(typed, refused)), this);
}

void TeamNameEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TeamNameEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    const bool eliminated = palette().color(QPalette::Text) == toColour(colours::eliminated);
    if (font().italic() != eliminated) {
        QFont face = font();
        face.setItalic(eliminated);
        setFont(face);
    }
}
