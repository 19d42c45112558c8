// One program per data folder: the lock, the knock on the first window's
// door, and the lock of a program that died.
#include "app/SingleProgram.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSingleProgram final : public QObject
{
    Q_OBJECT

private slots:
    void aSecondStartKnocksOnTheFirst()
    {
        QTemporaryDir folder;
        SingleProgram first(folder.path());
        QVERIFY(first.claim());
        QSignalSpy knocked(&first, &SingleProgram::knocked);
        SingleProgram second(folder.path());
        QVERIFY(!second.claim());
        QVERIFY(knocked.count() == 1 || knocked.wait());
    }

    // A window run that ends at once lets the folder go first.
    void aReleasedFolderIsFreeAtOnce()
    {
        QTemporaryDir folder;
        SingleProgram first(folder.path());
        QVERIFY(first.claim());
        first.release();
        QVERIFY(SingleProgram(folder.path()).claim());
    }

    void theLockOfADeadProgramIsTakenOver()
    {
        QTemporaryDir folder;
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile lock(folder.filePath(QStringLiteral("vylora.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
                   QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        QVERIFY(SingleProgram(folder.path()).claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleProgram)
#include "tst_singleprogram.moc"
