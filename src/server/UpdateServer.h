#pragma once

#include <optional>

#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <QString>

#include "server/PublishedChart.h"
#include "server/PublisherPassword.h"

class QTextStream;

// The server a publisher runs for the program: it serves one folder (the
// published chart, the banner, the download, contact and home pages) and
// takes new charts on the export address. The request flows: the HTTP
// module parses it and picks the route; uploads are checked (password,
// size, chart reader) before anything on disk changes; every answer is
// logged as one line, the password left out.
class UpdateServer final : public QObject
{
    Q_OBJECT
public:
    // Without a password nobody can publish; everything else is served.
    UpdateServer(const QString &folder, std::optional<PublisherPassword> password, QTextStream &log,
                 QObject *parent = nullptr);

    // The port listened on (the one chosen when `port` is 0), or 0 when
    // the address cannot be bound.
    quint16 listen(const QHostAddress &address, quint16 port);

private:
    QHttpServerResponse chart() const;
    QHttpServerResponse banner() const;
    QHttpServerResponse downloadPage() const;
    QHttpServerResponse exportPage(const QHttpServerRequest &request) const;
    QHttpServerResponse publish(const QHttpServerRequest &request) const;
    QHttpServerResponse folderFile(const QString &name) const;
    // The folder's files that a visitor may download: plain files right in
    // the folder, not hidden, that others may read. The password file is
    // never one of them: the server does not start when others can read it.
    QStringList offeredFiles() const;
    void logLine(const QHttpServerRequest &request, int status) const;

    QHttpServer m_http;
    QString m_folder;
    PublishedChart m_chart;
    std::optional<PublisherPassword> m_password;
    QTextStream &m_log;
    QByteArray m_defaultBanner;
};
