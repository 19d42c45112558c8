#include "server/pool/PoolPages.h"

#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrlQuery>

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

const QString tableStyle = QStringLiteral(
    "<style>table{border-collapse:collapse;width:100%;margin:8px 0 16px}"
    "th,td{border-bottom:1px solid #a9c2a4;padding:4px 6px;text-align:center}"
    "th:first-child,td:first-child{text-align:left}</style>\n");

} // namespace

namespace poolPages {

bool wantsJson(const QHttpServerRequest &request)
{
    return request.query().queryItemValue(QStringLiteral("format")) == u"json";
}

ServerReply reply(const QHttpServerRequest &request, Status status, const QString &title, const QString &htmlBody,
                  const QJsonObject &json)
{
    ServerReply answer;
    answer.status = status;
    if (wantsJson(request)) {
        answer.contentType = "application/json";
        answer.body = QJsonDocument(json).toJson(QJsonDocument::Compact);
    } else {
        answer.contentType = "text/html; charset=utf-8";
        answer.body = serverPages::framed(title, htmlBody);
    }
    // Rankings and sealed pages change with the clock.
    answer.headers.emplaceBack("Cache-Control", "no-store");
    return answer;
}

ServerReply refusal(const QHttpServerRequest &request, Status status, const QString &title, const QString &why)
{
    return reply(request, status, title, QStringLiteral("<p>%1</p>\n").arg(why.toHtmlEscaped()),
                 {{QStringLiteral("error"), why}});
}

ServerReply ranking(const QHttpServerRequest &request, const PoolStandings &standings)
{
    QJsonArray players;
    QString rows;
    for (std::size_t i = 0; i < standings.ranked.size(); ++i) {
        const ScoredPrediction &p = standings.ranked[i];
        const bool canWin = standings.canStillWin(i);
        players.append(QJsonObject{{QStringLiteral("pseudo"), p.name},
                                   {QStringLiteral("points"), p.score.points},
                                   {QStringLiteral("exact"), p.score.exact},
                                   {QStringLiteral("outcomes"), p.score.outcomes},
                                   {QStringLiteral("knockout"), p.score.knockout},
                                   {QStringLiteral("maximum"), standings.reachable[i]},
                                   {QStringLiteral("canStillWin"), canWin}});
        rows += row({QString::number(i + 1), p.name, QString::number(p.score.points), QString::number(p.score.exact),
                     QString::number(p.score.outcomes), QString::number(p.score.knockout),
                     QString::number(standings.reachable[i]), canWin ? QStringLiteral("oui") : QStringLiteral("non")});
    }
    QJsonArray days;
    QString dayRows;
    for (int day = 0; day < matchDays; ++day) {
        const int winner = standings.dayWinners[std::size_t(day)];
        QJsonObject entry{{QStringLiteral("day"), dayNames.at(day)}};
        QString shown = QStringLiteral("-");
        if (winner >= 0) {
            const ScoredPrediction &p = standings.ranked[std::size_t(winner)];
            entry.insert(QStringLiteral("winner"), p.name);
            entry.insert(QStringLiteral("points"), matchDayPoints(p.score, day));
            shown = QStringLiteral("%1 (%2)").arg(p.name).arg(matchDayPoints(p.score, day));
        }
        days.append(entry);
        dayRows += row({dayNames.at(day), shown});
    }
    const QString html =
        tableStyle +
        table({QStringLiteral("Rang"), QStringLiteral("Pseudo"), QStringLiteral("Points"), QStringLiteral("Exacts"),
               QStringLiteral("Résultats"), QStringLiteral("Phase finale"), QStringLiteral("Maximum"),
               QStringLiteral("Peut gagner")},
              rows) +
        QStringLiteral("<h1>Vainqueur de chaque journée</h1>\n") +
        table({QStringLiteral("Journée"), QStringLiteral("Vainqueur")}, dayRows) +
        QStringLiteral("<p>Score exact : 3 points ; bon résultat : 1 point ; chaque équipe bien placée en phase "
                       "finale : 1 à 4 points ; le champion : 5 points. Maximum : %1.</p>\n")
            .arg(maximumPoints);
    return reply(request, Status::Ok, QStringLiteral("Classement du concours"), html,
                 {{QStringLiteral("maximum"), maximumPoints},
                  {QStringLiteral("players"), players},
                  {QStringLiteral("matchDays"), days}});
}

QString scoreText(const MatchFigures &m)
{
    return m.played ? QStringLiteral("%1 - %2").arg(m.home).arg(m.away) : QStringLiteral("-");
}

ServerReply match(const QHttpServerRequest &request, const QString &code, const QStringList &teams,
                  const MatchFigures &result, const std::vector<MatchLine> &lines)
{
    QJsonArray predictions;
    QString rows = row({QStringLiteral("Résultat"), scoreText(result), QString()});
    for (const MatchLine &line : lines) {
        predictions.append(QJsonObject{{QStringLiteral("pseudo"), line.pseudo},
                                       {QStringLiteral("home"), line.predicted.home},
                                       {QStringLiteral("away"), line.predicted.away},
                                       {QStringLiteral("points"), line.points}});
        rows += row({line.pseudo, scoreText(line.predicted), QString::number(line.points)});
    }
    QJsonObject json{{QStringLiteral("match"), code},
                     {QStringLiteral("home"), teams.value(0)},
                     {QStringLiteral("away"), teams.value(1)},
                     {QStringLiteral("predictions"), predictions}};
    if (result.played)
        json.insert(QStringLiteral("result"),
                    QJsonObject{{QStringLiteral("home"), result.home}, {QStringLiteral("away"), result.away}});
    const QString title = QStringLiteral("Match %1 : %2 - %3").arg(code, teams.value(0), teams.value(1));
    return reply(request, Status::Ok, title,
                 tableStyle + table({QStringLiteral("Pseudo"), QStringLiteral("Score"), QStringLiteral("Points")}, rows),
                 json);
}

} // namespace poolPages
