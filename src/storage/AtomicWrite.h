#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Replaces the file at path with bytes, or leaves it exactly as it was:
// the bytes go to a temporary beside it, which is renamed over the file only
// once every byte has reached the disk (write and sync both checked), and
// the folder is synced after the rename so that a power cut cannot bring
// the old file back. A file that did not exist is created with the default
// mode; an existing one keeps its mode, and a link keeps pointing at the
// file it names, which is the one replaced. Returns false when the file
// could not be replaced; nothing else is left behind then.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// A file of a cache, written the same way, but in place of whatever the
// name is (a link is replaced, never followed, so is a pipe or a device)
// and with no sync: a cache a power cut loses is made again.
bool writeCacheFile(const QString &path, const QByteArray &bytes);

// Makes the folder's entries (a rename, a new file) durable.
bool syncFolder(const QString &folder);

// A process killed between creating its temporary and renaming it leaves
// the temporary behind: hidden, and marked as this program's in a way no
// person names a file. Removes those of the folder that are stale, last
// written a minute or more before startedAt: a save takes milliseconds, so
// one younger than that may be another running copy's, being written right
// now. Nothing but the program's own temporaries is ever touched. Returns
// how many went.
int removeStaleTemporaries(const QString &folder, const QDateTime &startedAt);
