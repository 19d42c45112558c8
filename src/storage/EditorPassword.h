#pragma once

#include <QString>

// The publishing editor's fixed password. Publishers' stored settings rely
// on it, and every copy of the program holds it, so it protects nothing
// beyond the program itself.
inline const QString editorPassword = QStringLiteral("7plum");
