#pragma once

#include "gui/editor/EditorPanel.h"

#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>

class Prompts;
class QLabel;
class Tournament;
class UserSettings;
class QWidget;

// The way into the publisher's editor: presses on the help panel's title
// and on the two banners. It stands without the editor, which is built the
// first time it opens; the services lent now are handed to it then.
class EditorDoor final : public QObject
{
    Q_OBJECT
public:
    EditorDoor(const Tournament &t, Prompts &prompts, UserSettings &settings, std::function<EditorPanel *()> build,
               QWidget &window);

    void setServices(EditorPanel::Services services);
    // The editor, built now if it was not.
    EditorPanel &panel();
    EditorPanel *builtPanel() const { return m_panel; }

    // Presses on these open the way in: the help panel's title, and the
    // banners, which the editor shows too.
    void watchTitle(QWidget *title);
    void watchBanners(QLabel *chartBanner, QLabel *knockoutBanner);

    // A press with these buttons and keys on the help panel's title.
    void titlePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void bannerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool bringToFront);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Texts that come from the message table (the banners' tooltip).
    void showMessageTexts();
    void reloadBanner();

    const Tournament &m_tournament;
    Prompts &m_prompts;
    UserSettings &m_settings;
    std::function<EditorPanel *()> m_build;
    QWidget &m_window;
    EditorPanel::Services m_services;
    QPointer<EditorPanel> m_panel;
    QPointer<QWidget> m_title;
    QList<QLabel *> m_banners;
};
