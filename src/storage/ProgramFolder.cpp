#include "storage/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "storage/AtomicWrite.h"
#include "storage/KeptPredictions.h"

namespace {

QString &current()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder;
}

bool copyIn(const QString &source)
{
    const QString target = ProgramFolder::filePath(QFileInfo(source).fileName());
    if (!QFile::copy(source, target))
        return false;
    // Shipped files come from read-only resources and keep that mode when
    // copied; the user's copy has to take saves.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::WriteUser);
    return true;
}

} // namespace

QString ProgramFolder::choose(const QString &requested)
{
    QString folder = requested;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    folder = QDir(folder).absolutePath();
    QDir().mkpath(folder);
    setPath(folder);
    // Nothing of ours has been written yet in this run: a stale temporary
    // was left by a save that never finished.
    const QDateTime now = QDateTime::currentDateTime();
    removeStaleTemporaries(folder, now);
    removeStaleTemporaries(KeptPredictions::folder(), now);
    return folder;
}

QString ProgramFolder::path()
{
    return current();
}

void ProgramFolder::setPath(const QString &folder)
{
    current() = folder;
}

QString ProgramFolder::filePath(const QString &fileName)
{
    return current() + u'/' + fileName;
}

QStringList ProgramFolder::seedFrom(const QString &sourceDir)
{
    QDir().mkpath(current());
    QStringList copied;
    const QFileInfoList files = QDir(sourceDir).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &source : files)
        if (!QFileInfo::exists(filePath(source.fileName())) && copyIn(source.filePath()))
            copied << source.fileName();
    return copied;
}

bool ProgramFolder::seedFile(const QString &fileName)
{
    return QFileInfo::exists(filePath(fileName)) || copyIn(shippedFolder() + u'/' + fileName);
}

QString ProgramFolder::shippedFolder()
{
    // Relative to the program, so that an install under any prefix finds
    // its own files; the build tree has no share/ and keeps the resources.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vylora");
    if (QFileInfo::exists(installed + QStringLiteral("/VYL2010.ini")))
        return QDir::cleanPath(installed);
    return QStringLiteral(":/shipped");
}
