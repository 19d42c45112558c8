#include "server/pool/PoolPages.h"

#include <algorithm>

#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>

#include "predictions/PredictionRanking.h"
#include "server/ServerPages.h"

namespace {

using Status = QHttpServerResponder::StatusCode;

const QStringList dayNames{QStringLiteral("Journée 1"), QStringLiteral("Journée 2"), QStringLiteral("Journée 3"),
                           QStringLiteral("Huitièmes"), QStringLiteral("Quarts"),    QStringLiteral("Demies"),
                           QStringLiteral("Finale")};

QString cell(const QString &text, const char *tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
}

QString row(const QStringList &cells, const char *tag = "td")
{
    QString html = QStringLiteral("<tr>");
    for (const QString &text : cells)
        html += cell(text, tag);
    return html + QStringLiteral("</tr>\n");
}

QString table(const QStringList &headers, const QString &rows)
{
    return QStringLiteral("<table>\n") + row(headers, "th") + rows + QStringLiteral("</table>\n");
}

// The ranking's eight columns want a wider page than the site's texts.
const QString tableStyle = QStringLiteral(
    "<style>main{max-width:860px}table{border-collapse:collapse;width:100%;margin:8px 0 16px}"
    "th,td{border-bottom:1px solid #a9c2a4;padding:4px 6px;text-align:center}"
    "th:first-child,td:first-child,.named td:nth-child(2),.named th:nth-child(2){text-align:left}</style>\n");

ServerReply withoutCache(QByteArray contentType, QByteArray body)
{
    // Rankings and sealed pages change with the clock.
    return {QHttpServerResponder::StatusCode::Ok,
            std::move(contentType),
            std::move(body),
            {{"Cache-Control", "no-store"}}};
}

ServerReply jsonReply(QByteArray body)
{
    return withoutCache("application/json", std::move(body));
}

ServerReply htmlReply(const QString &title, const QString &body)
{
    return withoutCache("text/html; charset=utf-8", serverPages::framed(title, body));
}

// The ranking is written by hand rather than through QJsonObject: that was
// most of the time a page took.
void appendJsonString(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    // Pseudos are plain nearly always: those go in whole.
    if (std::none_of(utf8.cbegin(), utf8.cend(),
                     [](char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; })) {
        out += utf8;
        out += '"';
        return;
    }
    for (const char c : utf8) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\u00" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    out += '"';
}

QByteArray rankingJson(const poolPages::RankingPage &page)
{
    QByteArray out;
    out.reserve(512 + qsizetype(page.players.size()) * 192);
    out += "{\"total\":" + QByteArray::number(page.total) + ",\"page\":" + QByteArray::number(page.page) +
           ",\"per\":" + QByteArray::number(page.per) + ",\"maximum\":" + QByteArray::number(maximumPoints) +
           ",\"players\":[";
    for (std::size_t i = 0; i < page.players.size(); ++i) {
        const PoolStore::Standing &p = page.players[i];
        out += i == 0 ? "{\"rank\":" : ",{\"rank\":";
        out += QByteArray::number(p.rank) + ",\"pseudo\":";
        appendJsonString(out, p.pseudo);
        out += ",\"points\":" + QByteArray::number(p.points) + ",\"exact\":" + QByteArray::number(p.exact) +
               ",\"outcomes\":" + QByteArray::number(p.outcomes) +
               ",\"knockout\":" + QByteArray::number(p.knockout) +
               ",\"maximum\":" + QByteArray::number(p.maximum) +
               ",\"canStillWin\":" + (p.canWin ? "true}" : "false}");
    }
    out += "],\"matchDays\":[";
    const QJsonArray days = QJsonDocument::fromJson(page.days).array();
    for (int day = 0; day < matchDays; ++day) {
        out += day == 0 ? "{\"day\":" : ",{\"day\":";
        appendJsonString(out, dayNames.at(day));
        const QJsonObject winner = days.at(day).toObject();
        if (winner.contains(QStringLiteral("winner"))) {
            out += ",\"winner\":";
            appendJsonString(out, winner.value(QStringLiteral("winner")).toString());
            out += ",\"points\":" + QByteArray::number(winner.value(QStringLiteral("points")).toInt());
        }
        out += '}';
    }
    return out + "]}";
}

// The pages' links and the "find me" field, for the ranking and for a match.
QString pageLinks(const QString &path, int page, int per, int total)
{
    const auto link = [&](int to, const QString &text) {
        return QStringLiteral(" · <a href=\"%1?page=%2&amp;per=%3\">%4</a>").arg(path).arg(to).arg(per).arg(text);
    };
    const int pages = qMax(1, (total + per - 1) / per);
    QString links = QStringLiteral("<p>Page %1 sur %2 (%3 joueurs)").arg(page).arg(pages).arg(total);
    if (page > 1)
        links += link(qMin(page - 1, pages), QStringLiteral("précédente"));
    if (page < pages)
        links += link(page + 1, QStringLiteral("suivante"));
    return links + QStringLiteral("</p>\n");
}

QString findForm(const QString &path)
{
    return QStringLiteral("<form action=\"%1\" method=\"get\"><label>Me trouver : <input name=\"pseudo\" "
                          "maxlength=\"32\"></label> <button>Chercher</button></form>\n")
        .arg(path);
}

QString rankingHtml(const poolPages::RankingPage &page)
{
    QString rows;
    for (const PoolStore::Standing &p : page.players)
        rows += row({QString::number(p.rank), p.pseudo, QString::number(p.points), QString::number(p.exact),
                     QString::number(p.outcomes), QString::number(p.knockout), QString::number(p.maximum),
                     p.canWin ? QStringLiteral("oui") : QStringLiteral("non")});
    const QString path = QStringLiteral("/pool/ranking");
    const QString links = pageLinks(path, page.page, page.per, page.total);
    const QString find = findForm(path);
    const QJsonArray days = QJsonDocument::fromJson(page.days).array();
    QString dayRows;
    for (int day = 0; day < matchDays; ++day) {
        const QJsonObject winner = days.at(day).toObject();
        dayRows += row({dayNames.at(day), winner.contains(QStringLiteral("winner"))
                                              ? QStringLiteral("%1 (%2)")
                                                    .arg(winner.value(QStringLiteral("winner")).toString())
                                                    .arg(winner.value(QStringLiteral("points")).toInt())
                                              : QStringLiteral("-")});
    }
    return tableStyle + find + links + QStringLiteral("<div class=\"named\">") +
           table({QStringLiteral("Rang"), QStringLiteral("Pseudo"), QStringLiteral("Points"),
                  QStringLiteral("Exacts"), QStringLiteral("Résultats"), QStringLiteral("Phase finale"),
                  QStringLiteral("Maximum"), QStringLiteral("Peut gagner")},
                 rows) +
           QStringLiteral("</div>\n") + links + QStringLiteral("<h1>Vainqueur de chaque journée</h1>\n") +
           table({QStringLiteral("Journée"), QStringLiteral("Vainqueur")}, dayRows) +
           QStringLiteral(
               "<p>Score exact : 3 points ; bon résultat : 1 point ; chaque équipe bien placée en phase "
               "finale : 1 à 4 points ; le champion : 5 points. Maximum : %1.</p>\n")
               .arg(maximumPoints);
}

} // namespace

namespace poolPages {

bool wantsJson(const QHttpServerRequest &request)
{
    return request.query().queryItemValue(QStringLiteral("format")) == u"json";
}

ServerReply reply(bool json, Status status, const QString &title, const QString &htmlBody,
                  const QJsonObject &jsonBody)
{
    ServerReply answer =
        json ? jsonReply(QJsonDocument(jsonBody).toJson(QJsonDocument::Compact)) : htmlReply(title, htmlBody);
    answer.status = status;
    return answer;
}

ServerReply refusal(bool json, Status status, const QString &title, const QString &why, const QString &reason)
{
    QJsonObject body{{QStringLiteral("error"), why}};
    if (!reason.isEmpty())
        body.insert(QStringLiteral("reason"), reason);
    return reply(json, status, title, QStringLiteral("<p>%1</p>\n").arg(why.toHtmlEscaped()), body);
}

ServerReply busy(bool json, const QString &title, const QString &why)
{
    ServerReply answer = refusal(json, Status::ServiceUnavailable, title, why, QStringLiteral("busy"));
    answer.headers.emplaceBack("Retry-After", "2");
    return answer;
}

ServerReply ranking(bool json, const RankingPage &page)
{
    return json ? jsonReply(rankingJson(page))
                : htmlReply(QStringLiteral("Classement du concours"), rankingHtml(page));
}

QString scoreText(const MatchFigures &m)
{
    return m.played ? QStringLiteral("%1 - %2").arg(m.home).arg(m.away) : QStringLiteral("-");
}

ServerReply match(bool json, const MatchPage &page)
{
    QJsonArray players;
    QString rows;
    for (const MatchLine &line : page.lines) {
        QJsonObject player{{QStringLiteral("rank"), line.rank},
                           {QStringLiteral("pseudo"), line.pseudo},
                           {QStringLiteral("points"), line.points}};
        if (line.predicted.played) {
            player.insert(QStringLiteral("home"), line.predicted.home);
            player.insert(QStringLiteral("away"), line.predicted.away);
        }
        players.append(player);
        rows += row(
            {QString::number(line.rank), line.pseudo, scoreText(line.predicted), QString::number(line.points)});
    }
    QJsonObject answer{
        {QStringLiteral("match"), page.code},          {QStringLiteral("home"), page.teams.value(0)},
        {QStringLiteral("away"), page.teams.value(1)}, {QStringLiteral("total"), page.total},
        {QStringLiteral("page"), page.page},           {QStringLiteral("per"), page.per},
        {QStringLiteral("players"), players}};
    if (page.result.played)
        answer.insert(QStringLiteral("result"), QJsonObject{{QStringLiteral("home"), page.result.home},
                                                            {QStringLiteral("away"), page.result.away}});
    const QString title =
        QStringLiteral("Match %1 : %2 - %3").arg(page.code, page.teams.value(0), page.teams.value(1));
    const QString path = QStringLiteral("/pool/match/") + page.code;
    const QString links = pageLinks(path, page.page, page.per, page.total);
    return reply(json, Status::Ok, title,
                 tableStyle + QStringLiteral("<p>Résultat : %1</p>\n").arg(scoreText(page.result)) +
                     findForm(path) + links + QStringLiteral("<div class=\"named\">") +
                     table({QStringLiteral("Rang"), QStringLiteral("Pseudo"), QStringLiteral("Score"),
                            QStringLiteral("Points")},
                           rows) +
                     QStringLiteral("</div>\n") + links,
                 answer);
}

} // namespace poolPages
