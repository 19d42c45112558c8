#pragma once

#include <QByteArray>
#include <QString>

// Stand-in until the storage layer offers its own atomic write.
//
// Writes bytes to a temporary file beside path and renames it over path:
// the file is either the old one or the new one, never half of each.
// False, with path untouched, when that cannot be done.
bool replaceFileAtomically(const QString &path, const QByteArray &bytes);
