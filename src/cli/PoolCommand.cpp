#include "cli/PoolCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "online/PoolClient.h"
#include "predictions/PredictionFile.h"
#include "storage/ProgramFolder.h"

namespace {

// What the server sent, as text a terminal shows and never obeys: a control
// or format character (an escape sequence's start, a line break, a
// direction override) is written as \u{XXXX}.
QString shown(const QString &fromServer)
{
    QString text;
    for (const char32_t c : fromServer.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
            category == QChar::Other_NotAssigned || category == QChar::Other_Surrogate)
            text += QStringLiteral("\\u{%1}").arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        else
            text += QString::fromUcs4(&c, 1);
    }
    return text;
}

int refused(const PoolClient::Answer &answer, QTextStream &err)
{
    err << "vylora: the pool: " << shown(answer.error) << Qt::endl;
    return 1;
}

QString codes(const QJsonValue &list)
{
    QStringList all;
    for (const QJsonValue &code : list.toArray())
        all << shown(code.toString());
    return all.isEmpty() ? QStringLiteral("none") : all.join(u' ');
}

} // namespace

int runPoolJoin(const QString &pseudo, const QString &code, QTextStream &out, QTextStream &err)
{
    const PoolClient::Answer answer = PoolClient::waitFor([&](PoolClient &c) { c.join(pseudo, code); });
    if (!answer.ok())
        return refused(answer, err);
    out << "joined the pool as " << shown(answer.json.value(QStringLiteral("pseudo")).toString())
        << "; the token is kept in the settings" << Qt::endl;
    return 0;
}

int runPoolSend(QTextStream &out, QTextStream &err)
{
    if (!PoolClient::account().isSet()) {
        err << "vylora: the pool: join first (--pool-join NAME)" << Qt::endl;
        return 1;
    }
    const PredictionFile chart = readPredictionFile(ProgramFolder::filePath(QStringLiteral("VYL2010.ini")));
    if (chart.problem != PredictionProblem::None) {
        err << "vylora: the 2010 chart cannot be read" << Qt::endl;
        return 1;
    }
    const PoolClient::Answer answer = PoolClient::waitFor([&](PoolClient &c) { c.send(chart.bytes); });
    if (!answer.ok())
        return refused(answer, err);
    out << "taken: " << codes(answer.json.value(QStringLiteral("taken"))) << Qt::endl
        << "locked: " << codes(answer.json.value(QStringLiteral("locked"))) << Qt::endl
        << "bracket: " << shown(answer.json.value(QStringLiteral("bracket")).toString()) << Qt::endl;
    return 0;
}

int runPoolRanking(const PoolRankingAsked &asked, QTextStream &out, QTextStream &err)
{
    const PoolClient::Answer answer =
        PoolClient::waitFor([&](PoolClient &c) { c.ranking(asked.page, asked.pseudo); });
    if (!answer.ok())
        return refused(answer, err);
    if (asked.json) {
        out << QJsonDocument(answer.json).toJson();
        return 0;
    }
    for (const QJsonValue &value : answer.json.value(QStringLiteral("players")).toArray()) {
        const QJsonObject p = value.toObject();
        out << p.value(QStringLiteral("rank")).toInt() << ". "
            << shown(p.value(QStringLiteral("pseudo")).toString()) << ": "
            << p.value(QStringLiteral("points")).toInt() << " points (at most "
            << p.value(QStringLiteral("maximum")).toInt() << ")" << Qt::endl;
    }
    return 0;
}
