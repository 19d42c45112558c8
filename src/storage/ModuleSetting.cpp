#include "storage/ModuleSetting.h"

#include <QFile>
#include <QSaveFile>

#include "storage/ProgramFolder.h"

QString iniFilePath(const QString &stem)
{
    return ProgramFolder::filePath(stem + QStringLiteral(".ini"));
}

std::optional<IniDocument> loadIniDocument(const QString &stem)
{
    QFile file(iniFilePath(stem));
    if (!file.exists())
        return IniDocument();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return IniDocument(file.readAll());
}

bool saveIniDocument(const QString &stem, const IniDocument &document)
{
    QSaveFile file(iniFilePath(stem));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = document.toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString ReadIniValue(const QString &stem, const QString &section, const QString &key, const QString &defaultValue)
{
    const std::optional<IniDocument> document = loadIniDocument(stem);
    if (!document)
        return defaultValue;
    return document->value(section, key).value_or(defaultValue);
}

bool WriteIniValue(const QString &stem, const QString &section, const QString &key, const QString &value)
{
    std::optional<IniDocument> document = loadIniDocument(stem);
    if (!document)
        return false;
    document->setValue(section, key, value);
    return saveIniDocument(stem, *document);
}
