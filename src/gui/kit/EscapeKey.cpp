#include "gui/kit/EscapeKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

// Escape in an open drop-down (a zone list, a calendar picker) belongs to
// that list: it closes the list and nothing else. The list closes itself
// while the key is still offered to the shortcuts, after which the window's
// Escape shortcut would take the same press and close the panel under it,
// leaving the focus to the first score cell.
class PopupsKeepEscape final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !QApplication::activePopupWidget() ||
            static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        // Taken here, before the list reacts to the offer and closes: the
        // press itself then reaches the list, which closes on it.
        event->accept();
        return true;
    }
};

void letPopupsKeepEscape()
{
    constexpr const char *installed = "popupsKeepEscape";
    if (!qApp || qApp->property(installed).toBool())
        return;
    qApp->installEventFilter(new PopupsKeepEscape(qApp));
    qApp->setProperty(installed, true);
}

} // namespace

void closeOnEscape(QWidget *panel, std::function<void()> close)
{
    letPopupsKeepEscape();
    // A shortcut of a hidden widget never fires, so the panels shown are
    // the only ones that answer.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, panel, close);
    QObject::connect(escape, &QShortcut::activatedAmbiguously, panel, close);
}
