#include "app/OpenElsewhere.h"

#include "i18n/ControlTarget.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageIndex.h"
#include "tournament/MessageTable.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"

#include <optional>

#include <QWidget>

namespace {

// Only the message lines of the language file matter before the window.
struct NoControls final : ControlTarget
{
    void applyControlLine(const QString &, std::optional<int>, const QString &, const QString &,
                          const QString &) override
    {}
};

} // namespace

QString openElsewhereText(const UserSettings &settings)
{
    NoControls noControls;
    MessageTable messages;
    const QString file = languageFileName(languageIndexFromStored(settings.language()));
    if (!file.isEmpty())
        LoadLanguageFile(ProgramFolder::filePath(file), messages, noControls);
    return messages.textOr(Message::openElsewhere,
                           QStringLiteral("Ce pronostic est déjà ouvert dans une autre fenêtre de Vylora 2010 : "
                                          "elle passe au premier plan."));
}

void bringForward(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}
