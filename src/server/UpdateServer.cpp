#include "server/UpdateServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTextStream>
#include <QUrlQuery>

#include "server/BannerPicture.h"
#include "server/BoundedTcpServer.h"
#include "server/MultipartForm.h"
#include "server/ServerPages.h"
#include "storage/ChartFile.h"

namespace {

using Status = QHttpServerResponder::StatusCode;
using Method = QHttpServerRequest::Method;

const QByteArray htmlType = "text/html; charset=utf-8";
const QByteArray chartType = "text/plain; charset=windows-1252";
const QString bannerFileName = QStringLiteral("imvyl.gif");
// Room for the form's own lines around the chart in an upload.
constexpr qsizetype formAllowance = 64 * 1024;
// Past this a request is cut rather than answered. Well above the chart's
// cap, so that a publisher who picks a wrong file still reads why.
constexpr qint64 requestCap = 16 * 1024 * 1024;

QHttpServerResponse html(const QByteArray &page, Status status = Status::Ok)
{
    return QHttpServerResponse(htmlType, page, status);
}

QHttpServerResponse refusal(Status status, const QString &title, const QString &why)
{
    return html(serverPages::answer(title, why), status);
}

QByteArray notFoundPage()
{
    return serverPages::answer(QStringLiteral("Page introuvable"),
                               QStringLiteral("Cette adresse ne mène à rien sur ce site."));
}

QHttpServerResponse notFound()
{
    return html(notFoundPage(), Status::NotFound);
}

// The module keeps header names as sent; HTTP says their case is free.
QByteArray header(const QHttpServerRequest &request, const QByteArray &name)
{
    for (const auto &[key, value] : request.headers())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

QString queryValue(const QHttpServerRequest &request, const QString &key)
{
    return request.query().queryItemValue(key, QUrl::FullyDecoded);
}

QByteArray contentTypeOf(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == u"ini" || suffix == u"txt")
        return chartType;
    if (suffix == u"gif")
        return "image/gif";
    if (suffix == u"png")
        return "image/png";
    return "application/octet-stream";
}

// Charts and banners change under the same address; nobody should keep an
// old copy.
QHttpServerResponse fresh(QHttpServerResponse response)
{
    response.setHeader("Cache-Control", "no-cache");
    return response;
}

QString route(const char *path)
{
    return QRegularExpression::escape(QString::fromLatin1(path));
}

} // namespace

UpdateServer::UpdateServer(const QString &folder, std::optional<PublisherPassword> password, QTextStream &log,
                           QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_chart(folder)
    , m_password(std::move(password))
    , m_log(log)
    , m_defaultBanner(defaultBannerGif())
{
    m_http.route(route("/"), Method::Get, [] { return html(serverPages::home()); });
    m_http.route(route("/VYL2010.ini"), Method::Get, [this] { return chart(); });
    m_http.route(route("/imvyl.php"), Method::Get, [this] { return banner(); });
    m_http.route(route("/vyl.php"), Method::Get, [this] { return downloadPage(); });
    m_http.route(route("/contacter.php"), Method::Get, [](const QHttpServerRequest &request) {
        return html(serverPages::contact(queryValue(request, QStringLiteral("sub"))));
    });
    m_http.route(route("/expvyl2010.php"), Method::Get,
                 [this](const QHttpServerRequest &request) { return exportPage(request); });
    m_http.route(route("/expvyl2010.php"), Method::Post,
                 [this](const QHttpServerRequest &request) { return publish(request); });
    m_http.route(QStringLiteral("/<arg>"), Method::Get, [this](const QString &name) { return folderFile(name); });

    m_http.afterRequest([this](QHttpServerResponse &&response, const QHttpServerRequest &request) {
        logLine(request, int(response.statusCode()));
        return std::move(response);
    });
    m_http.setMissingHandler([this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        logLine(request, int(Status::NotFound));
        responder.write(notFoundPage(), htmlType, Status::NotFound);
    });
}

quint16 UpdateServer::listen(const QHostAddress &address, quint16 port)
{
    auto *tcp = new BoundedTcpServer(requestCap, this);
    if (!tcp->listen(address, port)) {
        delete tcp;
        return 0;
    }
    m_http.bind(tcp);
    return tcp->serverPort();
}

QHttpServerResponse UpdateServer::chart() const
{
    QFile file(m_chart.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return refusal(Status::NotFound, QStringLiteral("Pas de résultats"),
                       QStringLiteral("Aucun tableau n'est publié pour le moment."));
    return fresh(QHttpServerResponse(chartType, file.readAll()));
}

QHttpServerResponse UpdateServer::banner() const
{
    QFile file(QDir(m_folder).filePath(bannerFileName));
    if (file.open(QIODevice::ReadOnly))
        return fresh(QHttpServerResponse("image/gif", file.readAll()));
    return fresh(QHttpServerResponse("image/gif", m_defaultBanner));
}

QHttpServerResponse UpdateServer::downloadPage() const
{
    return html(serverPages::download(offeredFiles()));
}

QHttpServerResponse UpdateServer::exportPage(const QHttpServerRequest &request) const
{
    const bool passwordInAddress = request.query().hasQueryItem(QStringLiteral("mdp"));
    return html(serverPages::exportForm(passwordInAddress, queryValue(request, QStringLiteral("pseudo"))));
}

QHttpServerResponse UpdateServer::publish(const QHttpServerRequest &request) const
{
    const QString notPublished = QStringLiteral("Rien n'a été publié");
    const QByteArray body = request.body();
    if (body.size() > PublishedChart::maxBytes + formAllowance)
        return refusal(Status::PayloadTooLarge, notPublished, QStringLiteral("Le fichier dépasse 1 Mo."));

    QByteArray password = queryValue(request, QStringLiteral("mdp")).toUtf8();
    QByteArray chart = body;
    const QByteArray contentType = header(request, "content-type");
    if (contentType.trimmed().toLower().startsWith("multipart/form-data")) {
        const std::optional<MultipartForm> form = MultipartForm::parse(contentType, body);
        if (!form || !form->contains(QStringLiteral("fichier")))
            return refusal(Status::BadRequest, notPublished, QStringLiteral("Le formulaire reçu est incomplet."));
        if (!form->value(QStringLiteral("mdp")).isEmpty())
            password = form->value(QStringLiteral("mdp"));
        chart = form->value(QStringLiteral("fichier"));
    }

    if (!m_password || !m_password->matches(password))
        return refusal(Status::Forbidden, notPublished, QStringLiteral("Le mot de passe est faux."));
    if (chart.size() > PublishedChart::maxBytes)
        return refusal(Status::PayloadTooLarge, notPublished, QStringLiteral("Le fichier dépasse 1 Mo."));
    if (!isWhole2010Chart(chart))
        return refusal(Status::BadRequest, notPublished,
                       QStringLiteral("Le fichier envoyé n'est pas un tableau Vylora (VYL2010.ini)."));

    QString error;
    if (!m_chart.publish(chart, QDateTime::currentDateTime(), error))
        return refusal(Status::InternalServerError, notPublished,
                       QStringLiteral("Le serveur n'a pas pu enregistrer le fichier : %1.").arg(error));
    const PublishedChart::Summary published = m_chart.summary();
    return html(
        serverPages::answer(QStringLiteral("Résultats publiés"),
                            QStringLiteral("Le tableau publié contient %1 score(s) ; version disponible : %2.")
                                .arg(published.scores)
                                .arg(published.version)));
}

QHttpServerResponse UpdateServer::folderFile(const QString &name) const
{
    if (!offeredFiles().contains(name))
        return notFound();
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return notFound();
    return QHttpServerResponse(contentTypeOf(name), file.readAll());
}

QStringList UpdateServer::offeredFiles() const
{
    QStringList offered;
    const QFileInfoList entries = QDir(m_folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !(entry.permissions() & QFile::ReadOther))
            continue;
        offered.append(entry.fileName());
    }
    return offered;
}

void UpdateServer::logLine(const QHttpServerRequest &request, int status) const
{
    QUrlQuery query = request.query();
    query.removeAllQueryItems(QStringLiteral("mdp"));
    QString target = request.url().path(QUrl::FullyEncoded);
    if (!query.isEmpty())
        target += u'?' + query.toString(QUrl::FullyEncoded);
    const char *method = QMetaEnum::fromType<Method>().valueToKey(int(request.method()));
    m_log << QDateTime::currentDateTime().toString(Qt::ISODate) << ' '
          << QString::fromLatin1(method ? method : "?").toUpper() << ' ' << target << ' ' << status << Qt::endl;
}
