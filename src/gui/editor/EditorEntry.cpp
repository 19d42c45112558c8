#include "gui/editor/EditorEntry.h"

EditorEntry editorEntryFor(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QString &storedPassword)
{
    if (button == Qt::LeftButton)
        return EditorEntry::ReloadBanner;
    if (storedPassword == editorPassword)
        return EditorEntry::Open;
    // A key of the keypad is no modifier the user holds on purpose.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (button == Qt::RightButton && held == Qt::ShiftModifier)
        return EditorEntry::AskPassword;
    return EditorEntry::Nothing;
}
