#pragma once

#include <QTextStream>

#include "gui/kit/Prompts.h"

// The prompts of a run from the command line, which nobody is there to
// answer: every notice and question becomes one line on the error stream,
// and what a person would be asked is answered as closing the box would
// (No, the last choice, nothing typed or chosen). told() says whether
// anything was, so that the exit status can.
class BatchPrompts final : public Prompts
{
public:
    explicit BatchPrompts(QTextStream &err)
        : m_err(err)
    {}

    bool told() const { return m_told; }

    void notice(QWidget *, const QString &title, const QString &text) override { tell(title, text); }
    void warning(QWidget *, const QString &title, const QString &text) override { tell(title, text); }
    bool question(QWidget *, const QString &title, const QString &text, bool) override
    {
        tell(title, text);
        return false;
    }
    int choice(QWidget *, const QString &title, const QString &text, const QStringList &buttons) override
    {
        tell(title, text);
        return int(buttons.size()) - 1;
    }
    QString input(QWidget *, const QString &title, const QString &prompt, const QString &) override
    {
        tell(title, prompt);
        return QString();
    }
    QString secret(QWidget *, const QString &title, const QString &prompt, const QString &) override
    {
        tell(title, prompt);
        return QString();
    }
    QString saveFileName(QWidget *, const QString &title, const QString &, const QStringList &) override
    {
        tell(title, QString());
        return QString();
    }
    QString openFileName(QWidget *, const QString &title, const QStringList &) override
    {
        tell(title, QString());
        return QString();
    }

private:
    void tell(const QString &title, const QString &text)
    {
        QString line = text.isEmpty() ? title : text;
        m_err << "vylora: " << line.replace(u'\n', u' ') << Qt::endl;
        m_told = true;
    }

    QTextStream &m_err;
    bool m_told = false;
};
