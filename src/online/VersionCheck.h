#pragma once

#include <QString>

// Whether the "CV" text of a chart announces a program newer than this
// one. Only a three-character text counts: its first and last characters
// are the major and minor digit, whatever stands between them ("2.7",
// "2,7" and "2-7" alike); a character that is no digit counts as 0.
// "-" (no version published) and any other length never do.
bool newerVersionPublished(const QString &cv);
