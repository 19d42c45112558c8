#pragma once

#include <QByteArray>
#include <QHttpServerResponder>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "predictions/PredictionFigures.h"
#include "server/ServerReply.h"
#include "server/pool/PoolStore.h"

class QHttpServerRequest;

// The pool's answers: an HTML page in the site's look, or JSON when the
// address asks for `format=json`. Every pseudo is escaped.
namespace poolPages {

bool wantsJson(const QHttpServerRequest &request);
ServerReply reply(bool json, QHttpServerResponder::StatusCode status, const QString &title,
                  const QString &htmlBody, const QJsonObject &jsonBody);
// `reason`, when given, names the refusal for the program, which words it
// in its user's language: "code", "taken", "pseudo", "token", "wait".
ServerReply refusal(bool json, QHttpServerResponder::StatusCode status, const QString &title, const QString &why,
                    const QString &reason = QString());
// A refusal that asks the client to come back in a moment.
ServerReply busy(bool json, const QString &title, const QString &why);

// One page of the ranking: `per` players from rank (page - 1) * per + 1.
struct RankingPage
{
    int total = 0;
    int page = 1;
    int per = 100;
    std::vector<PoolStore::Standing> players;
    QByteArray days; // as the standings keep them
};
inline constexpr int defaultPerPage = 100;
inline constexpr int maxPerPage = 500;
ServerReply ranking(bool json, const RankingPage &page);

struct MatchLine
{
    int rank = 0;
    QString pseudo;
    MatchFigures predicted; // not played when the player gave no score
    int points = 0;
};
// One page of a match's predictions, the players in the ranking's order.
struct MatchPage
{
    QString code;
    QStringList teams;
    MatchFigures result;
    int total = 0;
    int page = 1;
    int per = 100;
    std::vector<MatchLine> lines;
};
ServerReply match(bool json, const MatchPage &page);

QString scoreText(const MatchFigures &m);

} // namespace poolPages
