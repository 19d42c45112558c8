#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class ControlTarget;
class MessageTable;

// Shown by the window when LoadLanguageFile returns false.
inline constexpr QStringView missingLanguageFileNotice = u"Fichier absent.";

// Reads a language file (Windows-1252, CRLF or LF line ends) and applies its
// lines in file order: message lines go into `messages`, control lines to
// `controls`. Lines that follow neither form are skipped. Returns false, with
// nothing changed, when the file cannot be opened; the window then shows
// missingLanguageFileNotice and skips its fixed parts.
bool LoadLanguageFile(const QString &path, MessageTable &messages, ControlTarget &controls);

// The entries of both year lists after a language file: the language's own
// first entry, then the four tournaments.
QStringList yearListEntries(const MessageTable &messages);
