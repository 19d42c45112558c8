#pragma once

#include <utility>

#include <QList>
#include <QString>

// The values kept per user between runs, section "data" of the user's
// settings file for this program's name. The file is readable by its owner
// only, since it may hold the publisher's password in clear.
class UserSettings final
{
public:
    // "langue": the language index as decimal text, "0" when missing.
    QString language() const;
    void setLanguage(int index);

    // "reduit": compact mode only for the exact text "1".
    bool compactMode() const;
    void setCompactMode(bool compact);

    // "pseudo" and "mdp": empty when missing; an empty text is never
    // stored, so clearing a field keeps what was saved before.
    QString pseudo() const;
    void setPseudo(const QString &pseudo);
    QString password() const;
    void setPassword(const QString &password);

    // "fuseau": the zone kick-off times are shown in, as its IANA name;
    // empty while the user has not picked one.
    QString timeZone() const;
    void setTimeZone(const QString &zone);

    // "tournoi": the chart the user predicts on, as its name ("EURO2028");
    // empty while the user has kept to the 2010 one.
    QString tournament() const;
    void setTournament(const QString &chartName);

    QString fileName() const;

    // Keys of other sections kept in the same file, named "section/key".
    // Values given together are stored in one write of the file, so that
    // no reader ever finds some of them new and the others old.
    QString value(const QString &sectionKey) const;
    void setValues(const QList<std::pair<QString, QString>> &values);

private:
    QString read(const QString &key, const QString &defaultValue = QString()) const;
    void write(const QString &key, const QString &value);
};
