// The update server on 127.0.0.1 against clients that mean it harm or make
// mistakes: each row is one such client, and the published chart is what
// it should be after it.
#include "server/PublishedChart.h"
#include "support/LocalUpdateServer.h"

#include <QDir>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray password = "le bon mot de passe";

QByteArray shippedChart()
{
    QFile file(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray upload(const QByteArray &mdp, const QByteArray &contentType, const QByteArray &body)
{
    return "POST /expvyl2010.php?mdp=" + QUrl::toPercentEncoding(QString::fromUtf8(mdp)) +
           " HTTP/1.1\r\nHost: x\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// What came back to `request` from `from`, up to the end of the answer or
// of the connection.
QByteArray exchange(quint16 port, const QByteArray &request, const QHostAddress &from)
{
    QTcpSocket socket;
    socket.bind(from);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return {};
    socket.write(request);
    QByteArray answer;
    (void)QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            const qsizetype headEnd = answer.indexOf("\r\n\r\n");
            static const QRegularExpression length(QStringLiteral("\r\nContent-Length: (\\d+)\r\n"));
            const auto match = length.match(QString::fromLatin1(answer.left(headEnd)));
            return socket.state() == QAbstractSocket::UnconnectedState ||
                   (headEnd > 0 && (!match.hasMatch() || answer.size() >= headEnd + 4 + match.captured(1).toInt()));
        },
        3000);
    return answer + socket.readAll();
}

// The statuses of the whole answers in `stream`, in order.
QStringList wholeAnswers(const QByteArray &stream)
{
    QStringList statuses;
    qsizetype at = 0;
    while (at < stream.size()) {
        const qsizetype end = stream.indexOf("\r\n\r\n", at);
        if (!stream.sliced(at).startsWith("HTTP/1.1 ") || end < 0)
            break;
        const QByteArray fields = stream.mid(at, end - at).toLower();
        const qsizetype length = fields.indexOf("\r\ncontent-length: ");
        const qsizetype bodyEnd = end + 4 + (length < 0 ? 0 : fields.mid(length + 18).split('\r').first().toLongLong());
        if (bodyEnd > stream.size())
            break;
        statuses.append(QString::fromLatin1(stream.mid(at + 9, 3)));
        at = bodyEnd;
    }
    return statuses;
}

} // namespace

class TestServerFaults final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void eachFaultIsRefusedAndTheChartKept_data()
    {
        QTest::addColumn<QByteArray>("serverPassword"); // the password file's line, none when empty
        QTest::addColumn<int>("archives");              // already there
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("status"); // of the last try; 0: the server does not start
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("otherAddressStatus"); // the same request once from 127.0.0.2
        QTest::addColumn<bool>("publishes");
        QTest::addColumn<int>("archivesAfter");

        const QByteArray chart = shippedChart();
        QByteArray newChart = chart;
        newChart.replace(newChart.indexOf("0=-\r\n1=-"), 8, "0=2\r\n1=1");
        const QByteArray nested =
            "--o\r\nContent-Disposition: form-data; name=\"fichier\"; filename=\"VYL2010.ini\""
            "\r\nContent-Type: multipart/mixed; boundary=i\r\n\r\n--i\r\n"
            "Content-Type: text/plain\r\n\r\n" +
            newChart + "\r\n--i--\r\n\r\n--o--\r\n";
        QByteArray headers = "GET / HTTP/1.1\r\n";
        for (int i = 0; i < 200; ++i)
            headers += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(200, 'h') + "\r\n";

        QTest::newRow("half a request line, then nothing")
            << password << 0 << QByteArray("GET /VYL20") << 1 << 408 << "Trop lent" << 0 << false << 0;
        QTest::newRow("a body that stops coming")
            << password << 0 << upload(password, "text/plain", newChart).left(300) << 1 << 408 << "Trop lent" << 0
            << false << 0;
        QTest::newRow("a 15 MiB address")
            << password << 0 << "GET /" + QByteArray(15 * 1024 * 1024, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n"
            << 1 << 414 << "trop longue" << 0 << false << 0;
        QTest::newRow("40 KiB of headers") << password << 0 << headers + "\r\n"
                                           << 1 << 431 << "trop longs" << 0 << false << 0;
        QTest::newRow("a multipart body inside the file field")
            << password << 0 << upload(password, "multipart/form-data; boundary=o", nested) << 1 << 400
            << "incomplet" << 0 << false << 0;
        QTest::newRow("wrong passwords slow down that address only")
            << password << 0 << upload("pas le bon", "text/plain", newChart) << 6 << 429
            << "\r\nRetry-After: [1-9]" << 403 << false << 0;
        QTest::newRow("a password of 11 characters")
            << QByteArray("onze lettre") << 0 << QByteArray() << 0 << 0 << "shorter than 12" << 0 << false << 0;
        QTest::newRow("no password file: publishing is off")
            << QByteArray() << 0 << upload(password, "text/plain", newChart) << 1 << 403
            << "Publication désactivée" << 0 << false << 0;
        QTest::newRow("HEAD: the chart's length, no body")
            << password << 0 << QByteArray("HEAD /VYL2010.ini HTTP/1.1\r\nHost: x\r\n\r\n") << 1 << 200
            << QStringLiteral("\r\nContent-Length: %1\r\n(?:[^\r]+\r\n)*\r\n\\z").arg(chart.size()) << 0 << false
            << 0;
        QTest::newRow("an unchanged chart: 304 with its validators, no body")
            << password << 0
            << QByteArray("GET /VYL2010.ini HTTP/1.1\r\nHost: x\r\nIf-Modified-Since: Fri, 01 Jan 2100 00:00:00 GMT\r\n\r\n")
            << 1 << 304 << "\r\nETag: \"[0-9a-f]+-[0-9a-f]+\"\r\n(?:[^\r]+\r\n)*\r\n\\z" << 0 << false << 0;
        QTest::newRow("PUT on the chart")
            << password << 0 << QByteArray("PUT /VYL2010.ini HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n")
            << 1 << 405 << "\r\nAllow: GET, HEAD\r\n"
            << 0 << false << 0;
        QTest::newRow("the same bytes again")
            << password << 0 << upload(password, "text/plain", chart) << 1 << 200 << "publiés" << 0 << false << 0;
        QTest::newRow("the 101st archive") << password << 100 << upload(password, "text/plain", newChart) << 1
                                           << 200 << "publiés" << 0 << true << 100;
    }

    void eachFaultIsRefusedAndTheChartKept()
    {
        QFETCH(QByteArray, serverPassword);
        QFETCH(int, archives);
        QFETCH(QByteArray, request);
        QFETCH(int, tries);
        QFETCH(int, status);
        QFETCH(QString, answer);
        QFETCH(int, otherAddressStatus);
        QFETCH(bool, publishes);
        QFETCH(int, archivesAfter);

        // As the server starts: from its password file.
        std::optional<PublisherPassword> loaded;
        if (!serverPassword.isEmpty()) {
            QTemporaryDir dir;
            QFile file(dir.filePath(QStringLiteral("password")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(serverPassword + '\n');
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            LoadedPassword fromFile = loadPublisherPassword(file.fileName());
            QCOMPARE(fromFile.password.has_value(), status != 0);
            if (status == 0) {
                QVERIFY2(fromFile.refusal.contains(answer), qPrintable(fromFile.refusal));
                return;
            }
            loaded = std::move(fromFile.password);
        }
        ConnectionLimits limits;
        limits.headTimeout = std::chrono::milliseconds(300);
        limits.bodyTimeout = std::chrono::milliseconds(600);
        limits.linger = std::chrono::milliseconds(200);
        LocalUpdateServer server(std::move(loaded), limits);
        QVERIFY(server.isListening());
        const QByteArray chart = shippedChart();
        server.write(QStringLiteral("VYL2010.ini"), chart);
        QDir folder(server.folder());
        folder.mkdir(PublishedChart::archiveFolderName());
        folder.cd(PublishedChart::archiveFolderName());
        for (int i = 0; i < archives; ++i) {
            QFile archive(folder.filePath(QStringLiteral("VYL2010-20100611-%1.ini").arg(100000 + i)));
            QVERIFY(archive.open(QIODevice::WriteOnly));
            archive.write(chart);
            archive.flush();
            archive.setFileTime(QDateTime::currentDateTime().addSecs(i - 1000), QFileDevice::FileModificationTime);
        }

        QByteArray last;
        for (int i = 0; i < tries; ++i)
            last = exchange(server.port(), request, QHostAddress::LocalHost);
        QCOMPARE(last.mid(9, 3).toInt(), status);
        QVERIFY2(QString::fromUtf8(last).contains(QRegularExpression(answer)), last.left(600).constData());
        if (otherAddressStatus != 0)
            QCOMPARE(exchange(server.port(), request, QHostAddress(QStringLiteral("127.0.0.2"))).mid(9, 3).toInt(),
                     otherAddressStatus);
        QCOMPARE(server.read(QStringLiteral("VYL2010.ini")) == chart, !publishes);
        const QStringList kept = folder.entryList(QDir::Files);
        QCOMPARE(kept.size(), archivesAfter);
        if (archives > 0)
            QVERIFY(!kept.contains(QStringLiteral("VYL2010-20100611-100000.ini")));
    }

    // Each stream is read once, the same way by the guard and the HTTP
    // module, and no client holds more of the server than one answer.
    void eachHostileStreamIsReadOnce_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("readPerTick"); // bytes read every 20 ms; 0: all; -1: none
        QTest::addColumn<QString>("answers"); // the statuses of the whole answers received
        QTest::addColumn<bool>("closes"); // the server ends the connection
        QTest::addColumn<QString>("log"); // the whole log
        const QByteArray get = "GET /vyl.php HTTP/1.1\r\nHost: x\r\n\r\n";
        const QString line = QStringLiteral("\\S+ 127.0.0.1 %1\n");
        QTest::newRow("space before a header's colon")
            << "POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nContent-Length : 37\r\n\r\n" + get << 0 << "400"
            << true << line.arg(QStringLiteral("POST /expvyl2010.php 400 \\d+"));
        QTest::newRow("a folded header line")
            << "POST /expvyl2010.php HTTP/1.1\r\nHost: x\r\nX-A: 1\r\n Content-Length: 37\r\n\r\n" + get << 0
            << "400" << true << line.arg(QStringLiteral("POST /expvyl2010.php 400 \\d+"));
        QTest::newRow("upgrade to a websocket")
            << QByteArray("GET / HTTP/1.1\r\nHost: x\r\nConnection: Upgrade\r\nUpgrade: websocket\r\n\r\n") << 0
            << "400" << true << line.arg(QStringLiteral("GET / 400 \\d+"));
        QTest::newRow("a request after Connection: close")
            << "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n" + get << 0 << "200" << true
            << line.arg(QStringLiteral("GET / 200 \\d+"));
        QTest::newRow("HTTP/1.0 without keep-alive") << QByteArray("GET / HTTP/1.0\r\n\r\n") << 0 << "200" << true
                                                     << line.arg(QStringLiteral("GET / 200 \\d+"));
        QTest::newRow("pipelined requests, answered in turn")
            << "GET /nothing HTTP/1.1\r\nHost: x\r\n\r\n" + get << 0 << "404 200" << false
            << line.arg(QStringLiteral("GET /nothing 404 \\d+")) + line.arg(QStringLiteral("GET /vyl.php 200 \\d+"));
        QTest::newRow("a large upload without a password: refused before its body")
            << QByteArray("POST /expvyl2010.php HTTP/1.1\r\nContent-Type: text/plain\r\nContent-Length: 1000000\r\n\r\n")
            << 0 << "403" << true << line.arg(QStringLiteral("POST /expvyl2010.php 403 \\d+"));
        QTest::newRow("a refused request's log line")
            << QByteArray("GET /x?m%64p=secret&pseudo=p&token=secret HTTP/1.1\r\nBad\r\n\r\n") << 0 << "400" << true
            << line.arg(QStringLiteral("GET /x\\?pseudo=p 400 \\d+"));
        QTest::newRow("the slow reader: one answer at a time, cut when it stalls")
            << QByteArray("GET /big.bin HTTP/1.1\r\nHost: x\r\n\r\n").repeated(50) << -1 << "" << true
            << line.arg(QStringLiteral("GET /big.bin 200 (?!33554432)\\d+"));
        QTest::newRow("the slow download: never cut while it moves")
            << QByteArray("GET /big.bin HTTP/1.1\r\nHost: x\r\n\r\n") << 256 * 1024 << "200" << false
            << line.arg(QStringLiteral("GET /big.bin 200 33554432"));
    }

    void eachHostileStreamIsReadOnce()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, readPerTick);
        QFETCH(QString, answers);
        QFETCH(bool, closes);
        QFETCH(QString, log);
        // The slow download takes longer than the time-out, and moves.
        ConnectionLimits limits;
        limits.headTimeout = std::chrono::milliseconds(1000);
        LocalUpdateServer server(PublisherPassword(password), limits);
        server.write(QStringLiteral("big.bin"), QByteArray(32 * 1024 * 1024, 'b'));

        QTcpSocket socket;
        socket.setReadBufferSize(readPerTick > 0 ? readPerTick : 64 * 1024);
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(socket.waitForConnected(2000));
        socket.write(stream);
        QByteArray received;
        const auto read = [&] { received += readPerTick > 0 ? socket.read(readPerTick) : socket.readAll(); };
        const QRegularExpression logged(u'^' + log + u'$');
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         if (readPerTick >= 0)
                             read();
                         return logged.match(server.log()).hasMatch();
                     },
                     10000),
                 qPrintable(server.log()));
        // A client that never read sees the end once it reads.
        socket.setReadBufferSize(0);
        (void)QTest::qWaitFor(
            [&] {
                read();
                return socket.state() != QAbstractSocket::ConnectedState;
            },
            closes ? 2000 : 100);
        QCOMPARE(wholeAnswers(received).join(u' '), answers);
        QVERIFY(!closes || socket.state() != QAbstractSocket::ConnectedState);
        QVERIFY(!server.log().contains(QStringLiteral("secret")));
    }
};

QTEST_MAIN(TestServerFaults)
#include "tst_serverfaults.moc"
