#pragma once

#include <QString>

class MessageTable;

// The texts of printing, message entries 55 to 64, in the French of the
// design while no language file has set them.
enum class PrintText {
    Caption = 55,
    Redraw,
    SaveAndOpen,
    Print,
    Back,
    SaveAs,
    FileNotWritten, // %1: the file
    NoPrinter,
    PrintFailed,
    SaveAsTitle,
    FileWritten = 108, // %1: the file
};

QString printText(const MessageTable &messages, PrintText which);
