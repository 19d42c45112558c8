#pragma once

#include "i18n/LanguageIndex.h"

#include <QString>

class QWidget;

// What a second start on a folder that another window holds says, in the
// run's language: it comes before any window exists.
QString openElsewhereText(LanguageIndex language);

// The window a second start knocked for, shown in front of the others.
void bringForward(QWidget &window);
