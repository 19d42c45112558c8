#pragma once

#include <QStringView>

// Our text files are Windows-1252: a character outside it cannot be written
// and would come back as another. Gives the position of the first such
// character of text, or -1 when every one can be stored.
qsizetype firstUnstorable(QStringView text);
