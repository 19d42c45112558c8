// The update server on 127.0.0.1: what each address answers, what an upload
// may change and what it may not.
#include "server/PublishedChart.h"
#include "support/LocalUpdateServer.h"
#include "support/ShippedCharts.h"

#include <QDir>
#include <QImage>
#include <QTcpSocket>
#include <QTest>

namespace {

const QByteArray password = "le bon mot de passe";

const QByteArray published = wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "0"}, {"CV", 0, "2.6"}});
const QByteArray newChart = wholeChart2010({{"ButA", 0, "1"},
                                            {"ButA", 1, "1"},
                                            {"ButA", 2, "3"},
                                            {"ButA", 3, "0"},
                                            {"ButA", 5, "2"},
                                            {"But8", 0, "2"},
                                            {"But8", 1, "1"},
                                            {"CV", 0, "2.7"},
                                            {"Mess", 0, "Nouveaux résultats"}});

QByteArray query(const QByteArray &mdp)
{
    return "?mdp=" + QUrl::toPercentEncoding(QString::fromUtf8(mdp)) + "&pseudo=Publieur";
}

// A form as a browser sends it; `fields` in order, the chart as "fichier".
QByteArray form(const QByteArray &boundary, const QList<std::pair<QByteArray, QByteArray>> &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields) {
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + name + "\"";
        if (name == "fichier")
            body += "; filename=\"VYL2010.ini\"\r\nContent-Type: application/octet-stream";
        body += "\r\n\r\n" + value + "\r\n";
    }
    return body + "--" + boundary + "--\r\n";
}

// The status line of a request sent as raw bytes, for what an ordinary
// client would tidy up before sending.
QByteArray rawStatusLine(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "no connection";
    socket.write(request);
    QByteArray answer;
    // The server answers from this thread's event loop.
    (void)QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            return answer.contains("\r\n");
        },
        5000);
    return answer.left(answer.indexOf("\r\n"));
}

} // namespace

class TestUpdateServer final : public QObject
{
    Q_OBJECT

    std::unique_ptr<LocalUpdateServer> m_server;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        m_server = std::make_unique<LocalUpdateServer>(password);
        QVERIFY(m_server->isListening());
        m_server->write(QStringLiteral("VYL2010.ini"), published);
    }

    void answersEachAddress_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        const QByteArray html = "text/html; charset=utf-8";
        QTest::newRow("home") << "/" << 200 << html;
        QTest::newRow("published chart")
            << "/VYL2010.ini" << 200 << QByteArray("text/plain; charset=windows-1252");
        QTest::newRow("banner") << "/imvyl.php" << 200 << QByteArray("image/gif");
        QTest::newRow("download page") << "/vyl.php" << 200 << html;
        QTest::newRow("contact page") << "/contacter.php?sub=VYL%20V2.6" << 200 << html;
        QTest::newRow("forum page, the server's own") << "/forum.php" << 200 << html;
        QTest::newRow("export page") << "/expvyl2010.php?mdp=x&pseudo=y" << 200 << html;
        QTest::newRow("a file of the folder")
            << "/langFr.txt" << 200 << QByteArray("text/plain; charset=windows-1252");
        QTest::newRow("nothing there") << "/nothing.php" << 404 << html;
        QTest::newRow("dot taken literally") << "/VYL2010xini" << 404 << html;
        QTest::newRow("hidden file") << "/.hidden" << 404 << html;
        QTest::newRow("file only its owner reads") << "/owner-only.txt" << 404 << html;
        QTest::newRow("archived chart") << "/archives" << 404 << html;
    }

    void answersEachAddress()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        m_server->write(QStringLiteral("langFr.txt"), "MSG\\Phase Finale\\1\r\n");
        m_server->write(QStringLiteral(".hidden"), "hidden");
        m_server->write(QStringLiteral("owner-only.txt"), "private");
        QFile::setPermissions(QDir(m_server->folder()).filePath(QStringLiteral("owner-only.txt")),
                              QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(QDir(m_server->folder()).filePath(QStringLiteral("langFr.txt")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QDir(m_server->folder()).mkdir(QStringLiteral("archives"));

        const HttpAnswer answer = m_server->get(path);
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.contentType, contentType);
    }

    void neverReachesOutsideTheFolder_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("parent") << QByteArray("/../outside.txt");
        QTest::newRow("encoded parent") << QByteArray("/%2e%2e/outside.txt");
        QTest::newRow("encoded slash") << QByteArray("/..%2foutside.txt");
        QTest::newRow("two levels") << QByteArray("/x/../../outside.txt");
    }

    void neverReachesOutsideTheFolder()
    {
        QFETCH(QByteArray, target);
        QDir parent(m_server->folder());
        parent.cdUp();
        QFile outside(parent.filePath(QStringLiteral("outside.txt")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write("outside");
        outside.close();
        outside.setPermissions(outside.permissions() | QFile::ReadOther);
        const QByteArray status =
            rawStatusLine(m_server->port(), "GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n");
        outside.remove();
        QCOMPARE(status, QByteArray("HTTP/1.1 404 Not Found"));
    }

    void servesTheChartAsStoredAndAGifBanner()
    {
        QCOMPARE(m_server->get(QStringLiteral("/VYL2010.ini")).body, published);
        const QImage drawn = QImage::fromData(m_server->get(QStringLiteral("/imvyl.php")).body, "GIF");
        QVERIFY(!drawn.isNull());
        QVERIFY(drawn.width() > drawn.height());

        const QByteArray own = QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=");
        m_server->write(QStringLiteral("imvyl.gif"), own);
        QCOMPARE(m_server->get(QStringLiteral("/imvyl.php")).body, own);
    }

    void refusedUploadsChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        const QByteArray plain = "application/octet-stream";
        const QByteArray multipart = "multipart/form-data; boundary=xyz";
        QTest::newRow("wrong password") << query("le mauvais") << plain << newChart << 403;
        QTest::newRow("password cut short") << query(password.left(5)) << plain << newChart << 403;
        QTest::newRow("password too long") << query(password + "x") << plain << newChart << 403;
        QTest::newRow("no password") << QByteArray() << plain << newChart << 403;
        QTest::newRow("the editor's password") << query("7plum") << plain << newChart << 403;
        QTest::newRow("text that is no chart")
            << query(password) << plain << QByteArray("[Autre]\r\n1=2\r\n") << 400;
        QTest::newRow("the 1998 chart")
            << query(password) << plain << shippedChart(QStringLiteral("VYL1998.ini")) << 400;
        QTest::newRow("a picture") << query(password) << plain
                                   << QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=")
                                   << 400;
        QTest::newRow("over one megabyte")
            << query(password) << plain << newChart + QByteArray(PublishedChart::maxBytes, ';') << 413;
        QTest::newRow("form with a wrong password")
            << QByteArray() << multipart << form("xyz", {{"mdp", "le mauvais"}, {"fichier", newChart}}) << 403;
        QTest::newRow("form without the file")
            << query(password) << multipart << form("xyz", {{"pseudo", "P"}}) << 400;
        QTest::newRow("form cut short")
            << query(password) << multipart << form("xyz", {{"fichier", newChart}}).left(40) << 400;
    }

    void refusedUploadsChangeNothing()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        const HttpAnswer answer =
            m_server->post(QStringLiteral("/expvyl2010.php") + QString::fromUtf8(target), contentType, body);
        QCOMPARE(answer.status, status);
        QCOMPARE(m_server->read(QStringLiteral("VYL2010.ini")), published);
        QVERIFY(!QDir(m_server->folder()).exists(QStringLiteral("archives")));
        QVERIFY(!answer.body.contains(password));
    }

    void anUploadPublishesAndKeepsThePreviousChart_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("raw body, as a script sends it") << query(password) << QByteArray("text/plain") << newChart;
        QTest::newRow("form with the password in the address")
            << query(password) << QByteArray("multipart/form-data; boundary=----b0")
            << form("----b0", {{"pseudo", "Publieur"}, {"fichier", newChart}});
        QTest::newRow("form with its password field left empty")
            << query(password) << QByteArray("multipart/form-data; boundary=b1")
            << form("b1", {{"mdp", ""}, {"fichier", newChart}});
        QTest::newRow("form whose typed password replaces the editor's")
            << query("7plum") << QByteArray("multipart/form-data; boundary=b2")
            << form("b2", {{"mdp", password}, {"fichier", newChart}});
        QTest::newRow("form with the password in a field")
            << QByteArray() << QByteArray("Multipart/Form-Data; boundary=\"q q\"")
            << form("q q", {{"mdp", password}, {"pseudo", "Publieur"}, {"fichier", newChart}});
    }

    void anUploadPublishesAndKeepsThePreviousChart()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        const HttpAnswer answer =
            m_server->post(QStringLiteral("/expvyl2010.php") + QString::fromUtf8(target), contentType, body);
        QCOMPARE(answer.status, 200);
        // Group A: 1-1 and 3-0 (the third match has one side only); one
        // match of the round of 16.
        QVERIFY2(answer.body.contains("3 score(s)"), answer.body.constData());
        QVERIFY(answer.body.contains("2.7"));
        QCOMPARE(m_server->get(QStringLiteral("/VYL2010.ini")).body, newChart);

        const QStringList archived = QDir(m_server->folder() + QStringLiteral("/archives")).entryList(QDir::Files);
        QCOMPARE(archived.size(), 1);
        QFile previous(m_server->folder() + QStringLiteral("/archives/") + archived.first());
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), published);
    }

    // The chart of a coming tournament is published beside the 2010 one.
    void aComingTournamentsChartIsPublishedBeside2010s()
    {
        const QByteArray euro = shippedChart(QStringLiteral("EURO2028.ini"));
        QCOMPARE(m_server->get(QStringLiteral("/EURO2028.ini")).status, 404);
        const HttpAnswer answer =
            m_server->post(QStringLiteral("/expvyl2010.php") + QString::fromUtf8(query(password)), "text/plain", euro);
        QCOMPARE(answer.status, 200);
        QCOMPARE(m_server->get(QStringLiteral("/EURO2028.ini")).body, euro);
        QCOMPARE(m_server->get(QStringLiteral("/VYL2010.ini")).body, published);
    }

    void aDroppedUploadLeavesThePublishedChart()
    {
        {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_server->port());
            QVERIFY(socket.waitForConnected(5000));
            socket.write("POST /expvyl2010.php" + query(password) +
                         " HTTP/1.1\r\nHost: x\r\nContent-Type: text/plain\r\nContent-Length: 5000\r\n\r\n" +
                         newChart);
            QVERIFY(socket.waitForBytesWritten(5000));
            QTest::qWait(100);
            socket.abort();
        }
        QTest::qWait(100);
        QCOMPARE(m_server->read(QStringLiteral("VYL2010.ini")), published);
        QCOMPARE(m_server->get(QStringLiteral("/VYL2010.ini")).status, 200);
    }

    void anEndlessUploadIsCut()
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_server->port());
        QVERIFY(socket.waitForConnected(5000));
        socket.write("POST /expvyl2010.php" + query(password) +
                     " HTTP/1.1\r\nHost: x\r\nContent-Type: text/plain\r\nContent-Length: 1000000000\r\n\r\n");
        const QByteArray piece(1024 * 1024, ';');
        for (int i = 0; i < 20 && socket.state() == QAbstractSocket::ConnectedState; ++i) {
            socket.write(piece);
            (void)QTest::qWaitFor(
                [&] { return socket.bytesToWrite() == 0 || socket.state() != QAbstractSocket::ConnectedState; },
                5000);
        }
        QVERIFY(QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
        QCOMPARE(m_server->read(QStringLiteral("VYL2010.ini")), published);
        QCOMPARE(m_server->get(QStringLiteral("/VYL2010.ini")).status, 200);
    }

    void logsEachRequestWithoutThePassword()
    {
        m_server->post(QStringLiteral("/expvyl2010.php") + QString::fromUtf8(query(password)), "text/plain",
                       newChart);
        m_server->get(QStringLiteral("/expvyl2010.php") + QString::fromUtf8(query("le mauvais")));
        m_server->get(QStringLiteral("/absent"));
        const QStringList lines = m_server->log().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].contains(QStringLiteral(" 127.0.0.1 POST /expvyl2010.php?pseudo=Publieur 200 ")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(QStringLiteral(" 127.0.0.1 GET /expvyl2010.php?pseudo=Publieur 200 ")),
                 qPrintable(lines[1]));
        QVERIFY2(lines[2].contains(QStringLiteral(" 127.0.0.1 GET /absent 404 ")), qPrintable(lines[2]));
        QVERIFY(!m_server->log().contains(QStringLiteral("mot")));
        QVERIFY(!m_server->log().contains(QStringLiteral("mauvais")));
    }
};

QTEST_MAIN(TestUpdateServer)
#include "tst_updateserver.moc"
