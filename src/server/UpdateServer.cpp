#include "server/UpdateServer.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMetaEnum>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <QUrlQuery>

#include "server/BannerPicture.h"
#include "server/BoundedTcpServer.h"
#include "server/ClientKey.h"
#include "server/ConnectionGuard.h"
#include "server/MultipartForm.h"
#include "server/ServerPages.h"
#include "storage/ChartFile.h"
#include "storage/OwnChart.h"

namespace {

using Status = QHttpServerResponder::StatusCode;
using Method = QHttpServerRequest::Method;

const QByteArray htmlType = "text/html; charset=utf-8";
const QByteArray chartType = "text/plain; charset=windows-1252";
const QString bannerFileName = QStringLiteral("imvyl.gif");
// Room for the form's own lines around the chart in an upload.
constexpr qsizetype formAllowance = 64 * 1024;
const QString notPublished = QStringLiteral("Rien n'a été publié");
const QString wrongPassword = QStringLiteral("Le mot de passe est faux.");
const QString publishingOffTitle = QStringLiteral("Publication désactivée");
const QString publishingOffText =
    QStringLiteral("Ce serveur ne publie rien : il a été démarré sans fichier de mot de passe.");

QString tooManyWrongPasswords(int wait)
{
    return QStringLiteral("Trop de mots de passe faux : réessayez dans %1 s.").arg(wait);
}

bool isForm(const QByteArray &contentType)
{
    return contentType.trimmed().toLower().startsWith("multipart/form-data");
}

ServerReply html(const QByteArray &page, Status status = Status::Ok)
{
    return {status, htmlType, page, {}};
}

// A client that reads JSON (the program) gets the refusal's code to word
// it in its user's language; a browser gets the page.
ServerReply refusal(Status status, const QString &title, const QString &why, const QString &reason = QString(),
                    bool json = false)
{
    if (!json)
        return html(serverPages::answer(title, why), status);
    return {status,
            "application/json",
            QJsonDocument(QJsonObject{{QStringLiteral("error"), why}, {QStringLiteral("reason"), reason}})
                .toJson(QJsonDocument::Compact),
            {}};
}

bool wantsJson(const QHttpServerRequest &request)
{
    return request.query().queryItemValue(QStringLiteral("format")) == u"json";
}

ServerReply notFound()
{
    return refusal(Status::NotFound, QStringLiteral("Page introuvable"),
                   QStringLiteral("Cette adresse ne mène à rien sur ce site."));
}

// The module keeps header names as sent; HTTP says their case is free.
QByteArray header(const QHttpServerRequest &request, const QByteArray &name)
{
    for (const auto &[key, value] : request.headers())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

QString httpDate(const QDateTime &time)
{
    return QLocale::c().toString(time, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

// The client's copy is the file's: the same ETag, or, without one, no
// change since its date.
bool isUnchanged(const QHttpServerRequest &request, const QByteArray &etag, const QDateTime &modified)
{
    const QByteArray tags = header(request, "if-none-match");
    if (!tags.isEmpty())
        return std::ranges::any_of(tags.split(','), [&](const QByteArray &tag) {
            const QByteArray trimmed = tag.trimmed();
            return trimmed == "*" || trimmed == etag || trimmed == "W/" + etag;
        });
    QDateTime since = QLocale::c().toDateTime(QString::fromLatin1(header(request, "if-modified-since")),
                                              QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    since.setTimeSpec(Qt::UTC);
    return since.isValid() && since.toSecsSinceEpoch() >= modified.toSecsSinceEpoch();
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
ServerReply fresh(ServerReply reply)
{
    reply.headers.emplaceBack("Cache-Control", "no-cache");
    return reply;
}

QString route(const char *path)
{
    return QRegularExpression::escape(QString::fromLatin1(path));
}

QByteArray methodName(const QHttpServerRequest &request)
{
    const char *method = QMetaEnum::fromType<Method>().valueToKey(int(request.method()));
    return QByteArray(method ? method : "?").toUpper();
}

QByteArray targetOf(const QHttpServerRequest &request)
{
    return request.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
}

ServerReply methodRefused(bool takesPost)
{
    ServerReply reply = refusal(Status::MethodNotAllowed, QStringLiteral("Méthode refusée"),
                                QStringLiteral("Cette adresse ne répond pas à cette méthode."));
    reply.headers.emplaceBack("Allow", takesPost ? "GET, HEAD, POST" : "GET, HEAD");
    return reply;
}

} // namespace

// What a later answer needs once the request has been let go: the
// module's request object is not read after the page returns.
struct UpdateServer::Pending
{
    QHttpServerResponder responder;
    QPointer<QTcpSocket> socket;
    QByteArray method;
    QByteArray target;
    QHostAddress peer;
    bool withBody = true;
    bool answered = false;
    // Stopped by the answer: a crowd's requests would otherwise leave
    // thousands of timers running out their wait, and the event loop's
    // every timer operation walks them all.
    QPointer<QTimer> deadline;
};

UpdateServer::UpdateServer(const QString &folder, std::optional<PublisherPassword> password, QTextStream &log,
                           const ConnectionLimits &limits, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_password(std::move(password))
    , m_log(log)
    , m_limits(limits)
    , m_defaultBanner(defaultBannerGif())
    , m_bodyBudget(limits.bodyBudget, limits.unprovenBodyBudget)
{
    addPage("/", [](const QHttpServerRequest &) { return html(serverPages::home()); });
    // Each page holds on to its chart: none may move.
    m_charts.reserve(std::size_t(OwnChart::names().size()));
    for (const QString &name : OwnChart::names()) {
        const PublishedChart &published = m_charts.emplace_back(folder, name);
        addPage((u'/' + published.fileName()).toLatin1().constData(),
                [this, &published](const QHttpServerRequest &request) { return chart(request, published); });
    }
    addPage("/imvyl.php", [this](const QHttpServerRequest &) { return banner(); });
    addPage("/vyl.php",
            [this](const QHttpServerRequest &) { return html(serverPages::download(offeredFiles())); });
    addPage("/contacter.php", [](const QHttpServerRequest &request) {
        return html(serverPages::contact(queryValue(request, QStringLiteral("sub"))));
    });
    addPage("/forum.php", [this](const QHttpServerRequest &) {
        return sitePage(QStringLiteral("forum.php"), serverPages::forum());
    });
    addPage("/partenaire.php", [this](const QHttpServerRequest &) {
        return sitePage(QStringLiteral("partenaire.php"), serverPages::partner());
    });
    addPage(
        "/expvyl2010.php", [this](const QHttpServerRequest &request) { return exportPage(request); },
        [this](const QHttpServerRequest &request) { return publish(request); });
    m_http.route(QStringLiteral("/<arg>"), Method::AnyKnown,
                 [this](const QString &name, const QHttpServerRequest &request, QHttpServerResponder &&responder) {
                     if (!offeredFiles().contains(name)) {
                         send(request, responder, notFound());
                         return;
                     }
                     answer(request, responder,
                            [this, name](const QHttpServerRequest &) { return folderFile(name); }, {});
                 });
    m_http.setMissingHandler([this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        send(request, responder, notFound());
    });
    m_headRules.add("/expvyl2010.php", {PublishedChart::maxBytes + formAllowance,
                                        [this](const RequestHead &head, const QHostAddress &client) {
                                            return uploadHead(head, client);
                                        }});
}

quint16 UpdateServer::listen(const QHostAddress &address, quint16 port,
                             const std::optional<QSslConfiguration> &tls)
{
    auto *tcp = new BoundedTcpServer({m_limits, m_log, m_headRules, m_bodyBudget}, tls, this);
    if (!tcp->listen(address, port)) {
        delete tcp;
        return 0;
    }
    m_http.bind(tcp);
    return tcp->serverPort();
}

void UpdateServer::addPage(const char *path, Page get, Page post)
{
    m_http.route(route(path), Method::AnyKnown,
                 [this, get = std::move(get), post = std::move(post)](const QHttpServerRequest &request,
                                                                      QHttpServerResponder &&responder) {
                     answer(request, responder, get, post);
                 });
}

void UpdateServer::addLaterPage(const char *path, std::chrono::milliseconds within, LaterPage get, LaterPage post)
{
    m_http.route(route(path), Method::AnyKnown,
                 [this, within, get = std::move(get), post = std::move(post)](const QHttpServerRequest &request,
                                                                              QHttpServerResponder &&responder) {
                     const Method method = request.method();
                     const bool read = method == Method::Get || method == Method::Head;
                     if (!read && !(method == Method::Post && post)) {
                         send(request, responder, methodRefused(bool(post)));
                         return;
                     }
                     auto pending = std::make_shared<Pending>(
                         Pending{std::move(responder), nullptr, methodName(request), targetOf(request),
                                 request.remoteAddress(), method != Method::Head, false, nullptr});
                     pending->socket = pending->responder.socket();
                     // Answers come from the pool's thread: each is handed to
                     // this one, which alone writes to connections.
                     const Answer answer = [this, pending](ServerReply reply) {
                         QMetaObject::invokeMethod(
                             this, [this, pending, reply = std::move(reply)] { deliver(*pending, reply); },
                             Qt::QueuedConnection);
                     };
                     const ServerReply late = (read ? get : post)(request, answer);
                     pending->deadline = new QTimer(this);
                     pending->deadline->setSingleShot(true);
                     connect(pending->deadline, &QTimer::timeout, this,
                             [this, pending, late] { deliver(*pending, late); });
                     pending->deadline->start(within);
                 });
}

void UpdateServer::deliver(Pending &pending, const ServerReply &reply) const
{
    if (pending.deadline) {
        pending.deadline->stop();
        pending.deadline->deleteLater();
    }
    if (std::exchange(pending.answered, true) || !pending.socket ||
        pending.socket->state() != QAbstractSocket::ConnectedState)
        return;
    send(pending.responder, pending.method, pending.target, pending.peer, pending.withBody, reply);
}

void UpdateServer::answer(const QHttpServerRequest &request, QHttpServerResponder &responder, const Page &get,
                          const Page &post) const
{
    const Method method = request.method();
    ServerReply reply;
    if (method == Method::Get || method == Method::Head)
        reply = get(request);
    else if (method == Method::Post && post)
        reply = post(request);
    else
        reply = methodRefused(bool(post));
    send(request, responder, reply);
}

void UpdateServer::send(const QHttpServerRequest &request, QHttpServerResponder &responder,
                        const ServerReply &reply) const
{
    send(responder, methodName(request), targetOf(request), request.remoteAddress(),
         request.method() != Method::Head, reply);
}

void UpdateServer::send(QHttpServerResponder &responder, const QByteArray &method, const QByteArray &target,
                        const QHostAddress &peer, bool withBody, const ServerReply &reply) const
{
    reply.send(responder, withBody);
    const qint64 bytes = withBody ? reply.body.size() : 0;
    if (ConnectionGuard *guard = ConnectionGuard::of(responder.socket()))
        guard->logWhenSent(method, target, int(reply.status), bytes);
    else
        m_log.write(peer, method, target, int(reply.status), bytes);
}

ServerReply UpdateServer::chart(const QHttpServerRequest &request, const PublishedChart &published) const
{
    QFile file(published.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return refusal(Status::NotFound, QStringLiteral("Pas de résultats"),
                       QStringLiteral("Aucun tableau n'est publié pour le moment."));
    // The publication replaces the file, so its time to the millisecond and
    // its size tell one publication from another.
    const QDateTime modified = QFileInfo(file).lastModified().toUTC();
    const QByteArray etag = '"' + QByteArray::number(modified.toMSecsSinceEpoch(), 16) + '-' +
                            QByteArray::number(file.size(), 16) + '"';
    ServerReply reply{
        Status::Ok, chartType, {}, {{"ETag", etag}, {"Last-Modified", httpDate(modified).toLatin1()}}};
    const bool unchanged = isUnchanged(request, etag, modified);
    if (unchanged)
        reply.status = Status::NotModified;
    else
        reply.body = file.readAll();
    return fresh(reply);
}

ServerReply UpdateServer::banner() const
{
    QFile file(QDir(m_folder).filePath(bannerFileName));
    return fresh({Status::Ok, "image/gif", file.open(QIODevice::ReadOnly) ? file.readAll() : m_defaultBanner, {}});
}

ServerReply UpdateServer::exportPage(const QHttpServerRequest &request) const
{
    const bool passwordInAddress = request.query().hasQueryItem(QStringLiteral("mdp"));
    return html(serverPages::exportForm(passwordInAddress, queryValue(request, QStringLiteral("pseudo"))));
}

HeadVerdict UpdateServer::uploadHead(const RequestHead &head, const QHostAddress &address)
{
    const QByteArray client = clientKey(address);
    const auto now = PasswordThrottle::Clock::now();
    if (const int wait = m_throttle.secondsToWait(client, now); wait > 0)
        return {int(Status::TooManyRequests), notPublished, tooManyWrongPasswords(wait),
                "Retry-After: " + QByteArray::number(wait) + "\r\n", QStringLiteral("tooManyTries")};
    if (!m_password)
        return {
            int(Status::Forbidden), publishingOffTitle, publishingOffText, {}, QStringLiteral("publishingOff")};
    const QUrlQuery query(QString::fromUtf8(head.query()));
    if (m_password->matches(query.queryItemValue(QStringLiteral("mdp"), QUrl::FullyDecoded).toUtf8()))
        return {};
    // A browser's form may carry the password in its body: it comes, within
    // the small share of the budget for unproven senders.
    if (isForm(head.contentType())) {
        HeadVerdict form;
        form.provenSender = false;
        return form;
    }
    m_throttle.failed(client, now);
    return {int(Status::Forbidden), notPublished, wrongPassword, {}, QStringLiteral("wrongPassword")};
}

ServerReply UpdateServer::publish(const QHttpServerRequest &request)
{
    const QByteArray client = clientKey(clientOf(request));
    const auto now = PasswordThrottle::Clock::now();
    const bool json = wantsJson(request);
    if (const int wait = m_throttle.secondsToWait(client, now); wait > 0) {
        ServerReply reply = refusal(Status::TooManyRequests, notPublished, tooManyWrongPasswords(wait),
                                    QStringLiteral("tooManyTries"), json);
        reply.headers.emplaceBack("Retry-After", QByteArray::number(wait));
        return reply;
    }
    if (!m_password)
        return refusal(Status::Forbidden, publishingOffTitle, publishingOffText, QStringLiteral("publishingOff"),
                       json);

    const QByteArray body = request.body();
    if (body.size() > PublishedChart::maxBytes + formAllowance)
        return refusal(Status::PayloadTooLarge, notPublished, QStringLiteral("Le fichier dépasse 1 Mo."),
                       QStringLiteral("tooLarge"), json);

    QByteArray password = queryValue(request, QStringLiteral("mdp")).toUtf8();
    QByteArray chart = body;
    const QByteArray contentType = header(request, "content-type");
    if (isForm(contentType)) {
        const std::optional<MultipartForm> form = MultipartForm::parse(contentType, body);
        if (!form || !form->contains(QStringLiteral("fichier")))
            return refusal(Status::BadRequest, notPublished, QStringLiteral("Le formulaire reçu est incomplet."),
                           QStringLiteral("incompleteForm"), json);
        if (!form->value(QStringLiteral("mdp")).isEmpty())
            password = form->value(QStringLiteral("mdp"));
        chart = form->value(QStringLiteral("fichier"));
    }

    if (!m_password->matches(password)) {
        m_throttle.failed(client, now);
        return refusal(Status::Forbidden, notPublished, wrongPassword, QStringLiteral("wrongPassword"), json);
    }
    m_throttle.succeeded(client);
    if (chart.size() > PublishedChart::maxBytes)
        return refusal(Status::PayloadTooLarge, notPublished, QStringLiteral("Le fichier dépasse 1 Mo."),
                       QStringLiteral("tooLarge"), json);
    // The chart names its tournament: the 2010 one, or a coming one.
    const auto target = std::ranges::find_if(m_charts, [&chart](const PublishedChart &candidate) {
        return wholeChartNamed(candidate.chartName(), chart).has_value();
    });
    if (target == m_charts.end())
        return refusal(Status::BadRequest, notPublished,
                       QStringLiteral("Le fichier envoyé n'est pas un tableau Vylora (VYL2010.ini)."),
                       QStringLiteral("notAChart"), json);

    QString error;
    if (!target->publish(chart, QDateTime::currentDateTime(), error))
        return refusal(Status::InternalServerError, notPublished,
                       QStringLiteral("Le serveur n'a pas pu enregistrer le fichier : %1.").arg(error),
                       QStringLiteral("notSaved"), json);
    const PublishedChart::Summary published = target->summary();
    return html(
        serverPages::answer(QStringLiteral("Résultats publiés"),
                            QStringLiteral("Le tableau publié contient %1 score(s) ; version disponible : %2.")
                                .arg(published.scores)
                                .arg(published.version)));
}

ServerReply UpdateServer::folderFile(const QString &name) const
{
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return notFound();
    return {Status::Ok, contentTypeOf(name), file.readAll(), {}};
}

// The site folder's own page when it has one, as HTML; else the default.
ServerReply UpdateServer::sitePage(const QString &name, const QByteArray &fallback) const
{
    if (!offeredFiles().contains(name))
        return html(fallback);
    ServerReply reply = folderFile(name);
    if (reply.status == Status::Ok)
        reply.contentType = htmlType;
    return reply;
}

QStringList UpdateServer::offeredFiles() const
{
    QStringList offered;
    const QFileInfoList entries = QDir(m_folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !(entry.permissions() & QFile::ReadOther) || isPrivate(entry.fileName()))
            continue;
        offered.append(entry.fileName());
    }
    return offered;
}

// The logs beside a SQLite file ("-wal", "-shm", "-journal") and any copy
// named after it hold the same rows as the file; a mode is no guard, since
// a restart, a backup or a hand may change it.
bool UpdateServer::isPrivate(const QString &name) const
{
    return std::ranges::any_of(m_private, [&name](const QString &kept) { return name.startsWith(kept); });
}

QHostAddress UpdateServer::clientOf(const QHttpServerRequest &request) const
{
    return clientAddress(request.remoteAddress(), m_limits.proxy, header(request, "x-real-ip"));
}
