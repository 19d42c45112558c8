#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "server/ConnectionLimits.h"
#include "server/PublisherPassword.h"
#include "server/TlsFiles.h"
#include "server/UpdateServer.h"
#include "server/pool/PoolOptions.h"
#include "tournament/ProgramVersion.h"

int main(int argc, char *argv[])
{
    // A server shows no window; it only draws its default banner.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vylora-server"));
    QGuiApplication::setApplicationVersion(ProgramVersion::text());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The update server of Vylora 2010: serves the published chart, "
                       "the banner and the pages, and takes new charts."));
    parser.addHelpOption();
    parser.addVersionOption(); // "vylora-server 2.6"
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Folder to publish (default: the current one)."),
                                          QStringLiteral("dir"), QStringLiteral("."));
    const QCommandLineOption bindOption(QStringLiteral("bind"), QStringLiteral("Address to listen on."),
                                        QStringLiteral("addr"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on."),
                                        QStringLiteral("n"), QStringLiteral("8080"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password-file"),
        QStringLiteral("One-line file with the publishing password, readable by its owner only. "
                       "Without it nobody can publish."),
        QStringLiteral("file"));
    const QCommandLineOption certificateOption(
        QStringLiteral("tls-cert"), QStringLiteral("PEM certificate chain: serve HTTPS (with --tls-key)."),
        QStringLiteral("file"));
    const QCommandLineOption keyOption(QStringLiteral("tls-key"),
                                       QStringLiteral("PEM private key of --tls-cert, without a passphrase."),
                                       QStringLiteral("file"));
    const QCommandLineOption proxyOption(
        QStringLiteral("proxy"),
        QStringLiteral("Address of the proxy in front (nginx): the waits after wrong passwords and pool tokens "
                       "count per client it names in X-Real-IP."),
        QStringLiteral("addr"));
    parser.addOptions(
        {folderOption, bindOption, portOption, passwordOption, certificateOption, keyOption, proxyOption});
    const PoolOptions poolOptions(parser);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QDir folder(parser.value(folderOption));
    if (!folder.exists()) {
        err << "vylora-server: " << parser.value(folderOption) << ": no such folder." << Qt::endl;
        return 1;
    }
    const QHostAddress address(parser.value(bindOption));
    if (address.isNull()) {
        err << "vylora-server: " << parser.value(bindOption) << ": not an address." << Qt::endl;
        return 1;
    }
    bool portIsNumber = false;
    const uint port = parser.value(portOption).toUInt(&portIsNumber);
    if (!portIsNumber || port > 65535) {
        err << "vylora-server: " << parser.value(portOption) << ": not a port." << Qt::endl;
        return 1;
    }
    std::optional<PublisherPassword> password;
    if (parser.isSet(passwordOption)) {
        LoadedPassword loaded = loadPublisherPassword(parser.value(passwordOption));
        if (!loaded.password) {
            err << "vylora-server: " << loaded.refusal << Qt::endl;
            return 1;
        }
        password = std::move(loaded.password);
    } else {
        err << "vylora-server: no --password-file: publishing is off." << Qt::endl;
    }

    std::optional<QSslConfiguration> tls;
    if (parser.isSet(certificateOption) != parser.isSet(keyOption)) {
        err << "vylora-server: --tls-cert and --tls-key go together." << Qt::endl;
        return 1;
    }
    if (parser.isSet(certificateOption)) {
        QString error;
        QString warning;
        tls = loadTlsFiles(parser.value(certificateOption), parser.value(keyOption), error, warning);
        if (!tls) {
            err << "vylora-server: " << error << Qt::endl;
            return 1;
        }
        if (!warning.isEmpty())
            err << "vylora-server: " << warning << Qt::endl;
    }

    // Each connection takes a file; some are kept for the files served.
    ConnectionLimits limits;
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY)
        limits.maxConnections =
            int(std::clamp<rlim_t>(files.rlim_cur, 72, rlim_t(limits.maxConnections) + 64) - 64);

    if (parser.isSet(proxyOption)) {
        limits.proxy = QHostAddress(parser.value(proxyOption));
        if (limits.proxy.isNull()) {
            err << "vylora-server: --proxy " << parser.value(proxyOption) << ": not an address." << Qt::endl;
            return 1;
        }
    }
    UpdateServer server(folder.absolutePath(), std::move(password), out, limits);
    QString poolError;
    const std::unique_ptr<Pool> pool = poolOptions.start(parser, folder.absolutePath(), server, poolError);
    if (!poolError.isEmpty()) {
        err << "vylora-server: " << poolError << Qt::endl;
        return 1;
    }
    const quint16 listening = server.listen(address, quint16(port), tls);
    if (listening == 0) {
        err << "vylora-server: cannot listen on " << address.toString() << " port " << port << "." << Qt::endl;
        return 1;
    }
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']'
                                                                             : address.toString();
    out << "Serving " << folder.absolutePath() << " on " << (tls ? "https" : "http") << "://" << host << ':'
        << listening << '/' << Qt::endl;
    return app.exec();
}
