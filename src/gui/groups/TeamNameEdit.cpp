#include "gui/groups/TeamNameEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
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
