// The modes run from the command line, where nobody answers a box: what
// would ask goes to the error stream and the exit status says it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/SingleProgram.h"

class TestBatchModes final : public QObject
{
    Q_OBJECT

private slots:
    void nothingWaitsForAPerson_data()
    {
        QTest::addColumn<QStringList>("arguments"); // DIR: a scratch folder
        QTest::addColumn<QString>("folder");        // what the data folder is
        QTest::addColumn<QString>("told");
        const QStringList render{QStringLiteral("--render"), QStringLiteral("DIR/chart.png")};
        QTest::newRow("render, the data folder a file") << render << "a file" << "cannot use the data folder";
        QTest::newRow("render, a language file over 1 MiB") << render << "huge language" << "trop volumineux";
        QTest::newRow("update, the folder held by a window")
            << QStringList{QStringLiteral("--update"), QStringLiteral("--server"), QStringLiteral("http://127.0.0.1:9")}
            << "held" << "Mise à jour";
    }

    void nothingWaitsForAPerson()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        QFETCH(QString, told);
        QTemporaryDir scratch;
        QString data = scratch.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data));
        SingleProgram window(data);
        if (folder == u"held") {
            QVERIFY(window.claim());
        } else {
            if (folder == u"a file")
                data = scratch.filePath(QStringLiteral("file"));
            QFile file(folder == u"a file" ? data : data + QStringLiteral("/langFr.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(folder == u"a file" ? 10 : 1100 * 1024, 'x'));
        }

        QProcess run;
        run.start(QStringLiteral(VYLORA_PROGRAM),
                  arguments.replaceInStrings(QStringLiteral("DIR"), scratch.path())
                      << QStringLiteral("--data-dir") << data);
        QVERIFY2(run.waitForFinished(20000), "still running: waiting for a person");
        const QString err = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(run.exitCode(), 1);
        QVERIFY2(err.contains(told), qPrintable(err));
    }

    // The output is on out when the run goes ahead, on err when refused.
    void languageOfARun_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("German") << "de" << 0 << "Südafrika";
        QTest::newRow("unknown code") << "xx" << 1 << "'xx'";
    }

    void languageOfARun()
    {
        QFETCH(QString, code);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir scratch;
        QProcess run;
        run.start(QStringLiteral(VYLORA_PROGRAM),
                  {QStringLiteral("--report"), QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini"),
                   QStringLiteral("--data-dir"), scratch.path(), QStringLiteral("--language"), code});
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitCode(), exitCode);
        const QString output =
            QString::fromUtf8(exitCode == 0 ? run.readAllStandardOutput() : run.readAllStandardError());
        QVERIFY2(output.contains(said), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestBatchModes)
#include "tst_batchmodes.moc"
