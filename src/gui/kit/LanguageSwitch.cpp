#include "gui/kit/LanguageSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace languageSwitch {

void announce()
{
    // Sent, not posted: the texts have changed by the time the switch
    // returns. A widget hands the event on to its children itself.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
    }
}

} // namespace languageSwitch
