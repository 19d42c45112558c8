#include "gui/predictions/PoolPart.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "gui/kit/Prompts.h"
#include "gui/predictions/PredictionKeeper.h"
#include "gui/predictions/ScoreTable.h"
#include "storage/UserSettings.h"
#include "tournament/MessageTable.h"

namespace {

// The leaders, and the player among the ones around them.
constexpr int topRows = 10;
constexpr int ownPageRows = 20;

} // namespace

PoolPart::PoolPart(QWidget *parent, const MessageTable &messages, PredictionKeeper &keeper, Prompts &prompts)
    : QGroupBox(parent)
    , m_messages(messages)
    , m_keeper(keeper)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("Pool"));
    setTitle(text(Message::poolTitle, "Concours"));
    auto *grid = new QGridLayout(this);
    m_join = new QPushButton(text(Message::poolJoin, "Rejoindre le concours"), this);
    m_join->setObjectName(QStringLiteral("PoolJoin"));
    m_send = new QPushButton(text(Message::poolSend, "Envoyer mon pronostic"), this);
    m_send->setObjectName(QStringLiteral("PoolSend"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_join);
    buttons->addWidget(m_send);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 0, 1, 2);

    const QStringList headers =
        text(Message::poolHeaders, "Pseudo|Points|Exacts|Bons résultats|Phase finale|Maximum|Peut gagner")
            .split(u'|');
    m_ranking = makeScoreTable(this, QStringLiteral("PoolRanking"), headers);
    m_ranking->verticalHeader()->show();
    // Seven columns: the figures take what they need, the pseudo the rest.
    for (int column = 1; column < int(headers.size()); ++column)
        m_ranking->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    grid->addWidget(m_ranking, 1, 0);
    m_matchDays = makeScoreTable(this, QStringLiteral("PoolMatchDays"), {QString(), QString()});
    m_matchDays->horizontalHeader()->hide();
    grid->addWidget(m_matchDays, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("PoolStatus"));
    m_status->setWordWrap(true);
    grid->addWidget(m_status, 2, 0, 1, 2);

    connect(m_join, &QPushButton::clicked, this, [this] { join(); });
    connect(m_send, &QPushButton::clicked, this, &PoolPart::sendShown);
    connect(&m_client, &PoolClient::answered, this, &PoolPart::answered);
    m_send->setEnabled(PoolClient::account().isSet());
}

QString PoolPart::text(Message entry, const char *design) const
{
    return m_messages.textOr(entry, QString::fromUtf8(design));
}

void PoolPart::refresh()
{
    m_send->setEnabled(PoolClient::account().isSet());
    askRanking();
}

void PoolPart::askRanking()
{
    m_shown.clear();
    m_client.ranking(1, QString(), topRows);
    if (const PoolClient::Account account = PoolClient::account(); account.isSet())
        m_client.ranking(0, account.pseudo, ownPageRows);
}

void PoolPart::join(const QString &code)
{
    QString pseudo = UserSettings().pseudo();
    if (pseudo.isEmpty())
        pseudo =
            m_prompts.input(this, title(), text(Message::poolPseudoPrompt, "Pseudo pour le concours :"), QString())
                .trimmed();
    if (pseudo.isEmpty())
        return;
    m_join->setEnabled(false);
    m_client.join(pseudo, code);
}

void PoolPart::sendShown()
{
    const QByteArray chart = m_keeper.shownChart(this);
    if (chart.isEmpty())
        return;
    m_send->setEnabled(false);
    m_client.send(chart);
}

void PoolPart::answered(PoolClient::Request request, const PoolClient::Answer &answer)
{
    m_join->setEnabled(true);
    m_send->setEnabled(PoolClient::account().isSet());
    if (!answer.ok()) {
        // The pool wants its code: the user is asked for it until they
        // give up or the server's wait for too many tries answers instead.
        if (request == PoolClient::Request::Join && answer.status == 403 && !answer.json.isEmpty()) {
            const QString code =
                m_prompts.input(this, title(), text(Message::poolCodePrompt, "Code du concours :"), {});
            if (!code.isEmpty()) {
                join(code);
                return;
            }
        }
        m_status->setText(text(Message::poolRefused, "Le serveur refuse : %1").arg(answer.error));
        return;
    }
    switch (request) {
    case PoolClient::Request::Join:
        m_status->setText(text(Message::poolJoined, "Inscrit au concours sous le pseudo %1.")
                              .arg(answer.json.value(QStringLiteral("pseudo")).toString()));
        break;
    case PoolClient::Request::Send:
        showSent(answer.json);
        askRanking();
        break;
    case PoolClient::Request::Ranking:
        showRanking(answer.json);
        break;
    }
}

void PoolPart::showSent(const QJsonObject &sent)
{
    const QStringList bracket =
        text(Message::poolBracket, "phase finale prise|phase finale verrouillée").split(u'|');
    const bool bracketTaken = sent.value(QStringLiteral("bracket")).toString() == u"taken";
    m_status->setText(text(Message::poolSent, "Pris : %1 match(s) ; verrouillés : %2 match(s) ; %3.")
                          .arg(sent.value(QStringLiteral("taken")).toArray().size())
                          .arg(sent.value(QStringLiteral("locked")).toArray().size())
                          .arg(bracket.value(bracketTaken ? 0 : 1)));
}

void PoolPart::showRanking(const QJsonObject &ranking)
{
    const QStringList yesNo = text(Message::poolYesNo, "oui|non").split(u'|');
    for (const QJsonValue &player : ranking.value(QStringLiteral("players")).toArray())
        m_shown.insert(player.toObject().value(QStringLiteral("rank")).toInt(), player.toObject());
    m_ranking->setRowCount(int(m_shown.size()));
    QStringList ranks;
    const QString own = PoolClient::account().pseudo;
    int row = 0;
    for (auto p = m_shown.cbegin(); p != m_shown.cend(); ++p, ++row) {
        QStringList cells{p->value(QStringLiteral("pseudo")).toString()};
        for (const char *key : {"points", "exact", "outcomes", "knockout", "maximum"})
            cells << QString::number(p->value(QLatin1String(key)).toInt());
        cells << yesNo.value(p->value(QStringLiteral("canStillWin")).toBool() ? 0 : 1);
        setScoreRow(m_ranking, row, cells);
        ranks << QString::number(p.key());
        if (cells.front() == own)
            m_ranking->selectRow(row);
    }
    m_ranking->setVerticalHeaderLabels(ranks);
    const QStringList days =
        text(Message::matchDayNames, "Journée 1|Journée 2|Journée 3|Huitièmes|Quarts|Demies|Finale").split(u'|');
    const QJsonArray matchDays = ranking.value(QStringLiteral("matchDays")).toArray();
    m_matchDays->setRowCount(int(matchDays.size()));
    for (int day = 0; day < int(matchDays.size()); ++day) {
        const QJsonObject d = matchDays.at(day).toObject();
        const QString winner = d.contains(QStringLiteral("winner"))
                                   ? QStringLiteral("%1 (%2)")
                                         .arg(d.value(QStringLiteral("winner")).toString())
                                         .arg(d.value(QStringLiteral("points")).toInt())
                                   : QStringLiteral("-");
        setScoreRow(m_matchDays, day, {days.value(day), winner});
    }
}
