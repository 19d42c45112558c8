#pragma once

#include <optional>

#include <QString>

#include "storage/IniDocument.h"
#include "storage/TextFileReading.h"

// INI access by stem: the file is "<program folder>/<stem>.ini". Every call
// reads the file afresh; writes replace the whole file atomically, so a
// failed or interrupted write leaves the previous file as it was.

QString iniFilePath(const QString &stem);

struct IniReading
{
    FileReadStatus status = FileReadStatus::Missing;
    IniDocument document; // empty unless status is Read
};
IniReading readIniFile(const QString &stem);
// The same for a file named by its path, in any folder.
IniReading readIniFileAt(const QString &path);

// A missing file is an empty document; a file that exists but cannot be
// read, or is too large to be ours, gives no document, so that nobody
// overwrites what they could not see.
std::optional<IniDocument> loadIniDocument(const QString &stem);
bool saveIniDocument(const QString &stem, const IniDocument &document);

// The stored value, the empty text for a key with nothing after "=", or
// defaultValue when the file, section or key is missing or unreadable.
QString ReadIniValue(const QString &stem, const QString &section, const QString &key,
                     const QString &defaultValue = QString());

// Creates file, section or key as needed. Returns false when the file could
// not be read or written; the file on disk is then unchanged.
bool WriteIniValue(const QString &stem, const QString &section, const QString &key, const QString &value);
