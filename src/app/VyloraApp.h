#pragma once

#include "app/MainWindow.h"
#include "i18n/LanguageIndex.h"
#include "tournament/Tournament.h"

#include <QObject>

class Clock;
class Prompts;
class UserSettings;

// Drives the life of the program: start-up in its fixed order (language,
// chart load with the ready flag clear, then the flag and the full refresh,
// then the display steps), the language switch, and the settings written at
// shutdown. The tournament lives here; the window mirrors it.
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
    void loadChart(const QString &name);

    // "Ouvrir" in a year list: shows the tournament of entry 1 (1998) .. 4
    // (2010) with saving off; any other entry does nothing.
    void openTournament(int entry);
    // "2010...": the user's own chart again, saving on.
    void returnToCurrent();

private:
    bool keepPredictions(const QString &year);
    void applyLanguageFile(LanguageIndex index);
    void refreshLanguageTexts();
    void showNewsMessage();
    void shutDown();

    Prompts &m_prompts;
    const Clock &m_clock;
    UserSettings &m_settings;
    Tournament m_tournament;
    MainWindow m_window;
    LanguageIndex m_sage = 0;
};
