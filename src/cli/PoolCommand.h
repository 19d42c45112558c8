#pragma once

#include <QString>

class QTextStream;

// The pool from scripts, against the update server in use:
//   vylora --pool-join NAME [--pool-code CODE]  joins, keeps the token
//   vylora --pool-send                          sends the 2010 chart
//   vylora --pool-ranking [--json] [--page N] [--pseudo NAME]
//                                               a page of the ranking as it stands
// Each returns the exit status: 1 when the server refused or did not answer.
int runPoolJoin(const QString &pseudo, const QString &code, QTextStream &out, QTextStream &err);
int runPoolSend(QTextStream &out, QTextStream &err);
struct PoolRankingAsked
{
    bool json = false;
    int page = 0;   // 0: the first
    QString pseudo; // when given, the page that holds this player
};
int runPoolRanking(const PoolRankingAsked &asked, QTextStream &out, QTextStream &err);
