#include "gui/editor/EditorDoor.h"

#include "gui/controls/ControlRegistry.h"
#include "gui/editor/EditorEntry.h"
#include "gui/kit/Prompts.h"
#include "storage/UserSettings.h"
#include "tournament/Tournament.h"

#include <QMouseEvent>

namespace {

// Message entries of the way in.
constexpr int passwordPrompt = 39;
constexpr int passwordTitle = 42;
constexpr int bannerToolTip = 43;
constexpr int wrongPassword = 106;

constexpr Qt::KeyboardModifiers heldKeys =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

EditorDoor::EditorDoor(const Tournament &t, Prompts &prompts, UserSettings &settings, ControlRegistry &controls,
                       std::function<EditorPanel *()> build, QWidget &window)
    : QObject(&window)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_settings(settings)
    , m_controls(controls)
    , m_build(std::move(build))
    , m_window(window)
{}

void EditorDoor::setServices(EditorPanel::Services services)
{
    m_services = std::move(services);
    if (m_panel)
        m_panel->setServices(m_services);
}

EditorPanel &EditorDoor::panel()
{
    if (!m_panel) {
        m_panel = m_build();
        m_panel->setServices(m_services);
    }
    return *m_panel;
}

void EditorDoor::watchEntryPoints()
{
    for (const QString &name : {QStringLiteral("Label2"), QStringLiteral("Image14"), QStringLiteral("Image15")}) {
        QWidget *w = m_controls.control(name);
        if (!w || m_watched.contains(w))
            continue;
        w->installEventFilter(this);
        m_watched.append(w);
    }
    showMessageTexts();
}

void EditorDoor::showMessageTexts()
{
    const QString tip = m_tournament.messages().textOr(
        bannerToolTip, QStringLiteral("Clic droit = ouvre le module. Gauche = recharge"));
    for (const QString &name : {QStringLiteral("Image14"), QStringLiteral("Image15")})
        if (QWidget *banner = m_controls.control(name))
            banner->setToolTip(tip);
}

bool EditorDoor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const QString name = watched->objectName();
        if (name == u"Label2")
            titlePressed(press->button(), press->modifiers());
        else if (name == u"Image14" || name == u"Image15")
            bannerPressed(press->button(), press->modifiers(), name == u"Image15");
    }
    return QObject::eventFilter(watched, event);
}

void EditorDoor::titlePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QString stored = m_settings.password();
    switch (editorEntryFor(button, modifiers, stored)) {
    case EditorEntry::ReloadBanner:
        reloadBanner();
        return;
    case EditorEntry::Open:
        panel().open(stored);
        return;
    case EditorEntry::AskPassword: {
        const MessageTable &messages = m_tournament.messages();
        const QString title = messages.textOr(passwordTitle, QStringLiteral("Mise à jour"));
        const QString answer = m_prompts.secret(
            &m_window, title, messages.textOr(passwordPrompt, QStringLiteral("Mot de passe ?")), stored);
        if (answer == editorPassword)
            panel().open(answer);
        else if (!answer.isEmpty()) // an empty answer is a cancel
            m_prompts.notice(&m_window, title,
                             messages.textOr(wrongPassword, QStringLiteral("Mot de passe incorrect.")));
        return;
    }
    case EditorEntry::Nothing:
        return;
    }
}

void EditorDoor::bannerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool bringToFront)
{
    titlePressed(button, modifiers);
    if (!(modifiers & heldKeys))
        reloadBanner();
    if (bringToFront && m_panel)
        m_panel->raise();
}

void EditorDoor::reloadBanner()
{
    if (m_services.reloadBanner)
        m_services.reloadBanner();
}
