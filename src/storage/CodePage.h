#pragma once

#include <QByteArray>
#include <QStringView>

// Our text files are Windows-1252: a character outside it cannot be written
// and would come back as another. Gives the position of the first such
// character of text, or -1 when every one can be stored.
qsizetype firstUnstorable(QStringView text);

// Text that came from elsewhere, as our files hold it. UTF-8 is told by
// its byte-order mark, or by non-ASCII bytes that all read as UTF-8, which
// Windows-1252 text practically never does; such text is written again in
// the code page, a character it lacks as "?". Anything else is taken as
// Windows-1252 already and comes back as it was. A "charset" a server
// announces is not asked: servers label files by their name, not by their
// bytes, and an ASCII body reads the same either way.
QByteArray inCodePage(const QByteArray &bytes);
