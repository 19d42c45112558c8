#include "storage/UserSettings.h"

#include <sys/stat.h>

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// Named by the program's name alone, so that the store does not depend on
// an organisation name someone may set later.
QSettings store()
{
    const QString name = QCoreApplication::applicationName();
    return QSettings(QSettings::IniFormat, QSettings::UserScope, name, name);
}

QString dataKey(const QString &key)
{
    return QStringLiteral("data/") + key;
}

constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

} // namespace

QString UserSettings::read(const QString &key, const QString &defaultValue) const
{
    return store().value(dataKey(key), defaultValue).toString();
}

void UserSettings::write(const QString &key, const QString &value)
{
    setValues({{dataKey(key), value}});
}

QString UserSettings::value(const QString &sectionKey) const
{
    return store().value(sectionKey).toString();
}

void UserSettings::setValues(const QList<std::pair<QString, QString>> &values)
{
    // The store writes a new file with the mode of the one it replaces, so
    // the mode has to be owner-only before a value goes in: tightened after
    // the write, the password would be readable by others meanwhile. A mode
    // stricter still is the user's and stays.
    const QString path = fileName();
    if (QFileInfo::exists(path)) {
        const QFile::Permissions mode = QFile::permissions(path);
        if ((mode & ~ownerOnly) != 0)
            QFile::setPermissions(path, mode & ownerOnly);
    } else {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly, ownerOnly))
            file.close();
    }
    QSettings settings = store();
    // Closing the window stores values that have mostly not changed:
    // rewriting the file for them cost a locked and synced write per exit.
    const bool unchanged = std::all_of(values.cbegin(), values.cend(), [&settings](const auto &entry) {
        const QVariant stored = settings.value(entry.first);
        return stored.isValid() && stored.toString() == entry.second;
    });
    if (unchanged)
        return;
    for (const auto &[key, value] : values)
        settings.setValue(key, value);
    // The store's temporary may be created with the default mode before it
    // takes the file's: the default is owner-only while it writes.
    const mode_t previousMask = ::umask(S_IRWXG | S_IRWXO);
    settings.sync();
    ::umask(previousMask);
}

QString UserSettings::fileName() const
{
    return store().fileName();
}

QString UserSettings::language() const
{
    return read(QStringLiteral("langue"), QStringLiteral("0"));
}

void UserSettings::setLanguage(int index)
{
    write(QStringLiteral("langue"), QString::number(index));
}

bool UserSettings::compactMode() const
{
    return read(QStringLiteral("reduit")) == u"1";
}

void UserSettings::setCompactMode(bool compact)
{
    write(QStringLiteral("reduit"), compact ? QStringLiteral("1") : QStringLiteral("0"));
}

QString UserSettings::pseudo() const
{
    return read(QStringLiteral("pseudo"));
}

void UserSettings::setPseudo(const QString &pseudo)
{
    if (!pseudo.isEmpty())
        write(QStringLiteral("pseudo"), pseudo);
}

QString UserSettings::password() const
{
    return read(QStringLiteral("mdp"));
}

void UserSettings::setPassword(const QString &password)
{
    if (!password.isEmpty())
        write(QStringLiteral("mdp"), password);
}

QString UserSettings::timeZone() const
{
    return read(QStringLiteral("fuseau"));
}

void UserSettings::setTimeZone(const QString &zone)
{
    write(QStringLiteral("fuseau"), zone);
}

QString UserSettings::tournament() const
{
    return read(QStringLiteral("tournoi"));
}

void UserSettings::setTournament(const QString &chartName)
{
    write(QStringLiteral("tournoi"), chartName);
}
