#include "storage/UserSettings.h"

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
    // Created owner-only before the first value goes in: the store keeps
    // the mode of the file it replaces.
    const QString path = fileName();
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly, ownerOnly))
            file.close();
    }
    {
        QSettings settings = store();
        settings.setValue(dataKey(key), value);
        settings.sync();
    }
    QFile::setPermissions(path, ownerOnly);
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
