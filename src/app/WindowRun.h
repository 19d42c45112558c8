#pragma once

class MainWindow;
class SingleProgram;

// The application's face, set before any window exists: the style unless
// the user asked for their own, the chart's look, the name and icon the
// desktop shows for the program, and where the pictures of the window's
// start are kept between runs.
void dressApplication(bool ownStyle);

// The window at the screen's size, shown: the start is over, and no
// picture drawn from here on is kept.
void showWindow(MainWindow &window);

// What a window run does once its event loop has returned, with the
// loop's code: the user's files and settings are written by then.
int endWindowRun(int code, SingleProgram &single);
