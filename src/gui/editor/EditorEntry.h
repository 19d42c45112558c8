#pragma once

#include <QString>
#include <Qt>

#include "storage/EditorPassword.h"

// What a press on the help panel's title or on a banner does.
enum class EditorEntry { ReloadBanner, Open, AskPassword, Nothing };

// The left button only ever reloads the banner; a stored password that is
// the editor's opens at once on any other button; otherwise only the right
// button with Shift alone asks for it.
EditorEntry editorEntryFor(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QString &storedPassword);
