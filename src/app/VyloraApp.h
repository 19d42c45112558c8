#pragma once

#include "app/ChartChanges.h"
#include "app/MainWindow.h"
#include "i18n/LanguageIndex.h"
#include "tournament/Tournament.h"

#include <QObject>

class Clock;
class Prompts;
class UserSettings;

// Drives the life of the program: start-up in its fixed order (language,
// chart load with the ready flag clear, then the flag and the full refresh,
// then the display steps), the language switch, and at the end the
// unsaved-predictions question and the settings written at shutdown. The
// tournament lives here; the window mirrors it.
class VyloraApp final : public QObject
{
    Q_OBJECT
public:
    VyloraApp(Prompts &prompts, const Clock &clock, UserSettings &settings);

    void start();
    Tournament &tournament() { return m_tournament; }
    MainWindow &window() { return m_window; }
    LanguageIndex language() const { return m_sage; }

    // A click on flag `index`, and start-up with the stored language.
    void applyLanguage(LanguageIndex index);
    // Every whole-chart load; what it loads is what the file holds, so the
    // chart is clean afterwards.
    void loadChart(const QString &name);

    // The current tournament holds predictions that "Sauve" has not written.
    bool hasUnsavedChanges() const { return !m_changes.isClean(); }

signals:
    // Start-up found a publisher's name among the settings: their banner
    // is to be fetched and shown.
    void publisherKnown(const QString &pseudo);

private:
    // Quitting with unsaved predictions asks first: save, discard or stay.
    bool mayClose();
    void applyLanguageFile(LanguageIndex index);
    void refreshLanguageTexts();
    void showNewsMessage();
    void shutDown();

    Prompts &m_prompts;
    const Clock &m_clock;
    UserSettings &m_settings;
    Tournament m_tournament;
    MainWindow m_window;
    ChartChanges m_changes{m_tournament};
    LanguageIndex m_sage = 0;
};
