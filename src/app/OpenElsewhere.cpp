#include "app/OpenElsewhere.h"

#include "i18n/LanguageFile.h"
#include "i18n/LanguageIndex.h"
#include "storage/ProgramFolder.h"
#include "tournament/MessageTable.h"

#include <QWidget>

QString openElsewhereText(LanguageIndex language)
{
    MessageTable messages;
    const QString file = languageFileName(language);
    if (!file.isEmpty())
        LoadLanguageMessages(ProgramFolder::filePath(file), messages);
    return messages.text(Message::openElsewhere);
}

void bringForward(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}
