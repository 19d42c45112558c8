#pragma once

#include "storage/ProgramFolder.h"

// Points the program folder elsewhere for one piece of work and puts the
// previous one back afterwards.
class ScopedProgramFolder final
{
public:
    explicit ScopedProgramFolder(const QString &folder)
        : m_previous(ProgramFolder::path())
    {
        ProgramFolder::setPath(folder);
    }
    ~ScopedProgramFolder() { ProgramFolder::setPath(m_previous); }

    ScopedProgramFolder(const ScopedProgramFolder &) = delete;
    ScopedProgramFolder &operator=(const ScopedProgramFolder &) = delete;

private:
    QString m_previous;
};
