#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Replaces the file at path with bytes, or leaves it exactly as it was:
// the bytes go to a temporary beside it, which is renamed over the file only
// once every byte has reached the disk (write, flush and sync all checked),
// and the folder is synced after the rename so that a power cut cannot bring
// the old file back. A file that did not exist is created with the default
// mode; an existing one keeps its mode. Returns false when the file could
// not be replaced; nothing else is left behind then.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// Makes the folder's entries (a rename, a new file) durable.
bool syncFolder(const QString &folder);

// A process killed between naming its temporary and renaming it leaves
// "<file>.XXXXXX" behind. Removes those of our own files (charts, language
// files, settings) that are older than startedAt, so that a temporary another
// running copy is writing right now is left alone. Returns how many went.
int removeStaleTemporaries(const QString &folder, const QDateTime &startedAt);
