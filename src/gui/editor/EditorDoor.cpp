#include "gui/editor/EditorDoor.h"

#include "gui/editor/EditorEntry.h"
#include "gui/kit/Prompts.h"
#include "storage/UserSettings.h"
#include "tournament/Tournament.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr Qt::KeyboardModifiers heldKeys =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

EditorDoor::EditorDoor(const Tournament &t, Prompts &prompts, UserSettings &settings,
                       std::function<EditorPanel *()> build, QWidget &window)
    : QObject(&window)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_settings(settings)
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

void EditorDoor::watchTitle(QWidget *title)
{
    m_title = title;
    title->installEventFilter(this);
}

void EditorDoor::watchBanners(QLabel *chartBanner, QLabel *knockoutBanner)
{
    m_banners = {chartBanner, knockoutBanner};
    for (QLabel *banner : std::as_const(m_banners))
        banner->installEventFilter(this);
    showMessageTexts();
}

void EditorDoor::showMessageTexts()
{
    const QString tip = m_tournament.messages().text(Message::bannerToolTip);
    for (QLabel *banner : std::as_const(m_banners))
        banner->setToolTip(tip);
}

bool EditorDoor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == m_banners.value(0))
        showMessageTexts();
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (watched == m_title)
            titlePressed(press->button(), press->modifiers());
        else if (m_banners.contains(watched))
            // The knock-out page's banner lies where the editor opens.
            bannerPressed(press->button(), press->modifiers(), watched == m_banners.last());
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
        const QString title = messages.text(Message::passwordTitle);
        const QString answer = m_prompts.secret(&m_window, title, messages.text(Message::passwordPrompt), stored);
        if (answer == editorPassword)
            panel().open(answer);
        else if (!answer.isEmpty()) // an empty answer is a cancel
            m_prompts.notice(&m_window, title, messages.text(Message::wrongPassword));
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
