#pragma once

#include <functional>

#include <QString>

#include "print/PdfPage.h"

class MessageTable;
class Prompts;
class QWidget;

// Writes the page to a path in the format its extension names; returns an
// empty text, or why nothing was written.
using SavePage = std::function<QString(const QString &path)>;

// Prints one page, landscape, on the default printer. A print that cannot
// happen is said rather than passed over: with no printer installed, or a
// printer that refuses the job, the user is told and offered to save the
// same page as a PDF or a PNG instead (`copyName` suggested in the program
// folder) through `save`. Returns true when the page went to the printer.
bool printPage(QWidget *parent, Prompts &prompts, const MessageTable &messages, const DrawPage &draw,
               const SavePage &save, const QString &copyName, Paper paper = Paper::A4);

// Prints the image of `window` as the user sees it, but with `buttons`
// hidden so that they do not print, the same way.
bool printWindowImage(QWidget &window, QWidget *buttons, Prompts &prompts, const MessageTable &messages,
                      const QString &copyName);
