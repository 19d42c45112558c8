#pragma once

#include "storage/ScopedProgramFolder.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, made current for its life.
class TemporaryProgramFolder final
{
public:
    TemporaryProgramFolder()
        : m_scope(m_dir.path())
    {
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    ScopedProgramFolder m_scope;
};
