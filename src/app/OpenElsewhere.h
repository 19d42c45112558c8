#pragma once

#include <QString>

class QWidget;
class UserSettings;

// What a second start on a folder that another window holds says, in the
// language the user chose last: it comes before any window exists.
QString openElsewhereText(const UserSettings &settings);

// The window a second start knocked for, shown in front of the others.
void bringForward(QWidget &window);
