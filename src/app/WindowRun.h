#pragma once

class SingleProgram;

// The application's face, set before any window exists: the style unless
// the user asked for their own, the chart's look, and the name and icon the
// desktop shows for the program.
void dressApplication(bool ownStyle);

// What a window run does once its event loop has returned, with the
// loop's code: the user's files and settings are written by then.
int endWindowRun(int code, SingleProgram &single);
