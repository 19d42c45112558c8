#pragma once

#include <functional>

#include <QString>

class MessageTable;
class Prompts;
class QWidget;

// Offers the download page when a loaded chart announces a newer program.
// Yes opens "/vyl.php" and ends the program at once, without the steps of
// a normal shutdown; No lets the load go on. A headless run (a picture
// drawn from the command line) never asks and always goes on.
class VersionNotice final
{
public:
    VersionNotice(const MessageTable &messages, Prompts &prompts, QWidget *window,
                  std::function<void()> endProgram);

    void setHeadless(bool headless) { m_headless = headless; }

    // The version check of a chart load: given its "CV", false when the
    // program ends here.
    bool check(const QString &cv);

private:
    const MessageTable &m_messages;
    Prompts &m_prompts;
    QWidget *m_window;
    std::function<void()> m_endProgram;
    bool m_headless = false;
};
