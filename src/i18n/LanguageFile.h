#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class ControlTarget;
class MessageTable;

// Shown by the window when LoadLanguageFile finds no file.
inline constexpr QStringView missingLanguageFileNotice = u"Fichier absent.";

enum class LanguageFileStatus {
    Applied,
    Missing,  // or unreadable
    TooLarge, // not a language file of ours: not read at all
};

// Reads a language file (Windows-1252, CRLF or LF line ends) and applies its
// lines in file order: message lines and team names go into `messages`, control lines to
// `controls`. A file of the program folder is read over the shipped file
// of its name, which gives the lines it lacks. Lines that follow neither form are skipped. Nothing changes
// unless the file is applied; the window then tells why and skips its fixed
// parts.
LanguageFileStatus LoadLanguageFile(const QString &path, MessageTable &messages, ControlTarget &controls);
// The same without a window: its control lines are skipped.
LanguageFileStatus LoadLanguageMessages(const QString &path, MessageTable &messages);

// The entries of both year lists after a language file: the language's own
// first entry, then the tournaments of the history.
QStringList yearListEntries(const MessageTable &messages);
