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

// The ranking is written by hand rather than through QJsonObject: for a
// thousand players that is most of the time the page takes.
void appendJsonString(QByteArray &out, const QString &text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\u00" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    out += '"';
}

QByteArray rankingJson(const PoolStandings &standings)
{
    QByteArray out = "{\"maximum\":" + QByteArray::number(maximumPoints) + ",\"players\":[";
    for (std::size_t i = 0; i < standings.ranked.size(); ++i) {
        const PredictionScore &score = standings.ranked[i].score;
        out += i == 0 ? "{\"pseudo\":" : ",{\"pseudo\":";
        appendJsonString(out, standings.ranked[i].name);
        out += ",\"points\":" + QByteArray::number(score.points) +
               ",\"exact\":" + QByteArray::number(score.exact) +
               ",\"outcomes\":" + QByteArray::number(score.outcomes) +
               ",\"knockout\":" + QByteArray::number(score.knockout) +
               ",\"maximum\":" + QByteArray::number(standings.reachable[i]) +
               ",\"canStillWin\":" + (standings.canStillWin(i) ? "true}" : "false}");
    }
    out += "],\"matchDays\":[";
    for (int day = 0; day < matchDays; ++day) {
        out += day == 0 ? "{\"day\":" : ",{\"day\":";
        appendJsonString(out, dayNames.at(day));
        if (const int winner = standings.dayWinners[std::size_t(day)]; winner >= 0) {
            out += ",\"winner\":";
            appendJsonString(out, standings.ranked[std::size_t(winner)].name);
            out += ",\"points\":" +
                   QByteArray::number(matchDayPoints(standings.ranked[std::size_t(winner)].score, day));
        }
        out += '}';
    }
    return out + "]}";
}

QString rankingHtml(const PoolStandings &standings)
{
    QString rows;
    for (std::size_t i = 0; i < standings.ranked.size(); ++i) {
        const ScoredPrediction &p = standings.ranked[i];
        rows += row({QString::number(i + 1), p.name, QString::number(p.score.points),
                     QString::number(p.score.exact), QString::number(p.score.outcomes),
                     QString::number(p.score.knockout), QString::number(standings.reachable[i]),
                     standings.canStillWin(i) ? QStringLiteral("oui") : QStringLiteral("non")});
    }
    QString dayRows;
    for (int day = 0; day < matchDays; ++day) {
        const int winner = standings.dayWinners[std::size_t(day)];
        const ScoredPrediction *p = winner < 0 ? nullptr : &standings.ranked[std::size_t(winner)];
        dayRows +=
            row({dayNames.at(day), p ? QStringLiteral("%1 (%2)").arg(p->name).arg(matchDayPoints(p->score, day))
                                     : QStringLiteral("-")});
    }
    return tableStyle + QStringLiteral("<div class=\"named\">") +
           table({QStringLiteral("Rang"), QStringLiteral("Pseudo"), QStringLiteral("Points"),
                  QStringLiteral("Exacts"), QStringLiteral("Résultats"), QStringLiteral("Phase finale"),
                  QStringLiteral("Maximum"), QStringLiteral("Peut gagner")},
                 rows) +
           QStringLiteral("</div>\n<h1>Vainqueur de chaque journée</h1>\n") +
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

ServerReply reply(const QHttpServerRequest &request, Status status, const QString &title, const QString &htmlBody,
                  const QJsonObject &json)
{
    ServerReply answer = wantsJson(request) ? jsonReply(QJsonDocument(json).toJson(QJsonDocument::Compact))
                                            : htmlReply(title, htmlBody);
    answer.status = status;
    return answer;
}

ServerReply refusal(const QHttpServerRequest &request, Status status, const QString &title, const QString &why,
                    const QString &reason)
{
    QJsonObject json{{QStringLiteral("error"), why}};
    if (!reason.isEmpty())
        json.insert(QStringLiteral("reason"), reason);
    return reply(request, status, title, QStringLiteral("<p>%1</p>\n").arg(why.toHtmlEscaped()), json);
}

ServerReply ranking(const QHttpServerRequest &request, const PoolStandings &standings)
{
    return wantsJson(request) ? jsonReply(rankingJson(standings))
                              : htmlReply(QStringLiteral("Classement du concours"), rankingHtml(standings));
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
                 tableStyle +
                     table({QStringLiteral("Pseudo"), QStringLiteral("Score"), QStringLiteral("Points")}, rows),
                 json);
}

} // namespace poolPages
