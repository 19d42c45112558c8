#include "storage/ModuleSetting.h"

#include "storage/AtomicWrite.h"
#include "storage/ProgramFolder.h"

QString iniFilePath(const QString &stem)
{
    return ProgramFolder::filePath(stem + QStringLiteral(".ini"));
}

IniReading readIniFile(const QString &stem)
{
    return readIniFileAt(iniFilePath(stem));
}

IniReading readIniFileAt(const QString &path)
{
    FileReading file = readTextFile(path);
    if (file.status != FileReadStatus::Read)
        return {file.status, IniDocument()};
    return {FileReadStatus::Read, IniDocument(file.bytes)};
}

std::optional<IniDocument> loadIniDocument(const QString &stem)
{
    IniReading file = readIniFile(stem);
    switch (file.status) {
    case FileReadStatus::Read:
    case FileReadStatus::Missing:
        return std::move(file.document);
    case FileReadStatus::Unreadable:
    case FileReadStatus::TooLarge:
        break;
    }
    return std::nullopt;
}

bool saveIniDocument(const QString &stem, const IniDocument &document)
{
    return writeFileAtomically(iniFilePath(stem), document.toBytes());
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
