#pragma once

#include <deque>

#include <QList>
#include <QString>
#include <QStringList>

#include "gui/kit/Prompts.h"

// A prompt that shows nothing: it keeps every notice, question and input box
// the program raised, and answers from the queue it was given. With nothing
// queued it answers as a user pressing Enter would: the default button of a
// question, the pre-filled text of an input box.
class AnsweringPrompts final : public Prompts
{
public:
    enum class Kind { Notice, Warning, Question, Choice, Input };

    struct Asked
    {
        Kind kind;
        QString title;
        QString text;
        QString initial;         // input boxes only
        bool defaultYes = false; // questions only
        QStringList buttons;     // choices only
        // Notices only: the window the box shows over.
        const QWidget *parent = nullptr;
    };

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    void queueInput(const QString &answer) { m_inputs.push_back(answer); }
    void queueChoice(int button) { m_choices.push_back(button); }
    // The path a save dialog answers; with nothing queued it is cancelled.
    void queueSaveFileName(const QString &path) { m_saveFileNames.push_back(path); }
    // The path an open dialog answers; with nothing queued it is cancelled.
    void queueOpenFileName(const QString &path) { m_openFileNames.push_back(path); }
    // The paths save dialogs suggested, in order.
    const QStringList &suggestedSaveFileNames() const { return m_suggested; }

    const QList<Asked> &asked() const { return m_asked; }
    void clear() { m_asked.clear(); }

    void notice(QWidget *parent, const QString &title, const QString &text) override
    {
        m_asked.append({Kind::Notice, title, text, {}, false, {}, parent});
    }

    void warning(QWidget *, const QString &title, const QString &text) override
    {
        m_asked.append({Kind::Warning, title, text, {}, false, {}});
    }

    int choice(QWidget *, const QString &title, const QString &text, const QStringList &buttons) override
    {
        m_asked.append({Kind::Choice, title, text, {}, false, buttons});
        return take(m_choices, 0);
    }

    bool question(QWidget *, const QString &title, const QString &text, bool defaultYes) override
    {
        m_asked.append({Kind::Question, title, text, {}, defaultYes, {}});
        return take(m_answers, defaultYes);
    }

    QString input(QWidget *, const QString &title, const QString &prompt, const QString &initial) override
    {
        m_asked.append({Kind::Input, title, prompt, initial, false, {}});
        return take(m_inputs, initial);
    }

    QString secret(QWidget *parent, const QString &title, const QString &prompt, const QString &initial) override
    {
        return input(parent, title, prompt, initial);
    }

    QString saveFileName(QWidget *, const QString &, const QString &suggested, const QStringList &) override
    {
        m_suggested.append(suggested);
        return take(m_saveFileNames, QString());
    }

    QString openFileName(QWidget *, const QString &, const QStringList &) override
    {
        return take(m_openFileNames, QString());
    }

private:
    template <typename T> static T take(std::deque<T> &queue, const T &fallback)
    {
        if (queue.empty())
            return fallback;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }

    QList<Asked> m_asked;
    std::deque<bool> m_answers;
    std::deque<QString> m_inputs;
    std::deque<int> m_choices;
    std::deque<QString> m_saveFileNames;
    std::deque<QString> m_openFileNames;
    QStringList m_suggested;
};
