#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every question, notice and input box the program shows goes through this,
// so that widget tests can answer them.
class Prompts
{
public:
    virtual ~Prompts() = default;
    // An information box with one OK button.
    virtual void notice(QWidget *parent, const QString &title, const QString &text);
    // Yes/No; returns true for Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text, bool defaultYes);
    // A warning box with one OK button: something went wrong.
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    // One button per caption; the first is the default, the last the one
    // that Escape and the window's close button stand for. Returns the
    // index of the button pressed.
    virtual int choice(QWidget *parent, const QString &title, const QString &text, const QStringList &buttons);
    // Returns the typed answer, or an empty text when cancelled.
    virtual QString input(QWidget *parent, const QString &title, const QString &prompt, const QString &initial);
    // An input box whose answer is masked while typed: a password.
    virtual QString secret(QWidget *parent, const QString &title, const QString &prompt, const QString &initial);
    // A save dialog over `suggested` offering `filters` ("PDF (*.pdf)"), the
    // first one chosen. Returns the path, with the chosen filter's extension
    // added when the user typed none, or an empty text when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                 const QStringList &filters);
    // An open dialog offering `filters`; the path chosen, or an empty text
    // when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QStringList &filters);
};
