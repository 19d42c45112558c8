#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One program per data folder: two windows on the same chart would both
// save, the last one silently overwriting the other's predictions. The
// first start holds a lock file in the folder and listens on a local
// socket named after it; a later start finds the lock held, knocks on that
// socket so that the first window comes forward, and goes away. The lock
// of a program that died is taken over.
class SingleProgram final : public QObject
{
    Q_OBJECT
public:
    explicit SingleProgram(const QString &folder, QObject *parent = nullptr);

    // True when this run now holds the folder; false when another live run
    // does, which has been asked to come forward.
    bool claim();
    // For a run without a window: the same hold, without knocking on the
    // holder's door or opening one of its own.
    bool hold();
    // Lets the folder go before the run ends: the socket and the lock file
    // go with it.
    void release();

signals:
    // A later start on the same folder wants this run's window shown.
    void knocked();

private:
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
