#pragma once

#include <QByteArray>
#include <QHttpServerResponder>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "server/ServerReply.h"
#include "server/pool/PoolStandings.h"

class QHttpServerRequest;

// The pool's answers: an HTML page in the site's look, or JSON when the
// address asks for `format=json`. Every pseudo is escaped.
namespace poolPages {

bool wantsJson(const QHttpServerRequest &request);
ServerReply reply(const QHttpServerRequest &request, QHttpServerResponder::StatusCode status, const QString &title,
                  const QString &htmlBody, const QJsonObject &json);
// `reason`, when given, names the refusal for the program, which words it
// in its user's language: "code", "taken", "pseudo", "token", "wait".
ServerReply refusal(const QHttpServerRequest &request, QHttpServerResponder::StatusCode status,
                    const QString &title, const QString &why, const QString &reason = QString());

ServerReply ranking(const QHttpServerRequest &request, const PoolStandings &standings);

struct MatchLine
{
    QString pseudo;
    MatchFigures predicted;
    int points = 0;
};
ServerReply match(const QHttpServerRequest &request, const QString &code, const QStringList &teams,
                  const MatchFigures &result, const std::vector<MatchLine> &lines);

QString scoreText(const MatchFigures &m);

} // namespace poolPages
