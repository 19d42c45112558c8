#pragma once

#include <QString>
#include <QStringList>

// The one folder that holds the chart, language and picture files. It is
// chosen once at start: "--data-dir DIR" when given, otherwise the user's
// data folder, so that a program installed read-only still saves. Files are
// named by their stem relative to it; nobody else builds such a path.
class ProgramFolder final
{
public:
    ProgramFolder() = delete;

    // Takes the folder asked for ("--data-dir"), or the user's data folder
    // when none is, creates it when missing, makes it current, and removes
    // the temporaries that saves killed midway left in it.
    static QString choose(const QString &requested);

    static QString path();
    static void setPath(const QString &folder);
    static QString filePath(const QString &fileName);

    // First run: copies into the folder every file of sourceDir that it does
    // not hold yet; the user's own files are never overwritten. Returns the
    // names copied.
    static QStringList seedFrom(const QString &sourceDir);
    // The shipped file `fileName` copied in when the folder lacks it. False
    // when the folder still lacks it.
    static bool seedFile(const QString &fileName);

    // Where the shipped files lie: share/vylora beside an installed
    // program's bin, otherwise the copy built into the program.
    static QString shippedFolder();
};
