#include "gui/predictions/PoolPart.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "gui/kit/Prompts.h"
#include "gui/predictions/PredictionKeeper.h"
#include "gui/predictions/ScoreTable.h"
#include "online/PoolRefusal.h"
#include "storage/OwnChart.h"
#include "storage/UserSettings.h"
#include "tournament/MessageTable.h"

namespace {

// The leaders, and the player among the ones around them.
constexpr int topRows = 10;
constexpr int ownPageRows = 20;
// The pool plays the 2010 World Cup, whatever chart the user follows.
const QString poolChart = QStringLiteral("VYL2010");

} // namespace

PoolPart::PoolPart(QWidget *parent, const MessageTable &messages, PredictionKeeper &keeper, Prompts &prompts)
    : QGroupBox(parent)
    , m_messages(messages)
    , m_keeper(keeper)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("Pool"));
    auto *grid = new QGridLayout(this);
    m_account = new QLabel(this);
    m_account->setObjectName(QStringLiteral("PoolAccount"));
    m_join = new QPushButton(this);
    m_join->setObjectName(QStringLiteral("PoolJoin"));
    m_send = new QPushButton(this);
    m_send->setObjectName(QStringLiteral("PoolSend"));
    m_rankingLink = new QLabel(this);
    m_rankingLink->setObjectName(QStringLiteral("PoolRankingLink"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_account);
    buttons->addWidget(m_join);
    buttons->addWidget(m_send);
    buttons->addStretch();
    buttons->addWidget(m_rankingLink);
    grid->addLayout(buttons, 0, 0, 1, 2);

    const QStringList headers = text(Message::poolHeaders).split(u'|');
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

    connect(m_join, &QPushButton::clicked, this, &PoolPart::join);
    connect(m_send, &QPushButton::clicked, this, &PoolPart::sendShown);
    connect(m_rankingLink, &QLabel::linkActivated, this,
            [] { QDesktopServices::openUrl(PoolClient::rankingPage()); });
    connect(&m_client, &PoolClient::answered, this, &PoolPart::answered);
    showTexts();
}

void PoolPart::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showTexts();
}

void PoolPart::showTexts()
{
    setTitle(text(Message::poolTitle));
    m_join->setText(text(Message::poolJoin));
    m_send->setText(text(Message::poolSend));
    m_rankingLink->setText(
        QStringLiteral("<a href=\"ranking\">%1</a>").arg(text(Message::poolRankingLink).toHtmlEscaped()));
    m_ranking->setHorizontalHeaderLabels(text(Message::poolHeaders).split(u'|'));
    showAccount();
}

QString PoolPart::text(Message entry) const
{
    return m_messages.text(entry);
}

void PoolPart::refresh()
{
    say(QString());
    showAccount();
    askRanking();
}

// While the user follows another chart, every line says first that the
// pool plays on 2010, since what goes out is the 2010 prediction.
void PoolPart::say(const QString &line)
{
    QStringList lines;
    if (OwnChart::current() != poolChart)
        lines << text(Message::poolOn2010);
    if (!line.isEmpty())
        lines << line;
    m_status->setText(lines.join(u'\n'));
}

void PoolPart::askRanking()
{
    m_shown.clear();
    m_client.ranking(1, QString(), topRows);
    if (const PoolClient::Account account = PoolClient::account(); account.isSet())
        m_client.ranking(0, account.pseudo, ownPageRows);
}

void PoolPart::showAccount()
{
    const PoolClient::Account account = PoolClient::account();
    m_account->setText(account.isSet() ? text(Message::poolAccount).arg(account.pseudo) : QString());
    m_account->setVisible(account.isSet());
    m_send->setEnabled(account.isSet());
}

void PoolPart::join()
{
    const PoolClient::Account account = PoolClient::account();
    if (account.isSet() &&
        !m_prompts.question(this, title(), text(Message::poolJoinAgain).arg(account.pseudo), false))
        return;
    m_pseudo = account.isSet() ? QString() : UserSettings().pseudo();
    m_code.clear();
    if (m_pseudo.isEmpty())
        m_pseudo = m_prompts.input(this, title(), text(Message::poolPseudoPrompt), QString()).trimmed();
    if (m_pseudo.isEmpty())
        return;
    m_join->setEnabled(false);
    m_client.join(m_pseudo, m_code);
}

void PoolPart::sendShown()
{
    const QByteArray chart = m_keeper.shownChart(this, poolChart);
    if (chart.isEmpty())
        return;
    m_send->setEnabled(false);
    m_client.send(chart);
}

void PoolPart::answered(PoolClient::Request request, const PoolClient::Answer &answer)
{
    m_join->setEnabled(true);
    showAccount();
    if (!answer.ok()) {
        if (request == PoolClient::Request::Join)
            joinRefused(answer);
        else
            say(poolRefusal::line(m_messages, answer, m_pseudo));
        return;
    }
    switch (request) {
    case PoolClient::Request::Join:
        say(text(Message::poolJoined).arg(answer.json.value(QStringLiteral("pseudo")).toString()));
        askRanking();
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

// What the user can mend is asked for again, with the server's reason, and
// the join goes on with everything else typed so far.
void PoolPart::joinRefused(const PoolClient::Answer &answer)
{
    const QString reason = answer.reason();
    if (reason == u"wrongCode" || (reason.isEmpty() && answer.status == 403)) {
        const QString code =
            m_prompts
                .input(this, title(),
                       (m_code.isEmpty() ? QString() : refusal(answer) + u'\n') + text(Message::poolCodePrompt),
                       QString())
                .trimmed();
        if (!code.isEmpty()) {
            m_code = code;
            m_join->setEnabled(false);
            m_client.join(m_pseudo, m_code);
            return;
        }
    } else if (reason == u"pseudoTaken") {
        const QStringList taken = text(Message::poolTaken).split(u'|');
        const QString other =
            m_prompts.input(this, title(), taken.value(0).arg(m_pseudo) + u' ' + taken.value(1), m_pseudo)
                .trimmed();
        if (!other.isEmpty() && other != m_pseudo) {
            m_pseudo = other;
            m_join->setEnabled(false);
            m_client.join(m_pseudo, m_code);
            return;
        }
    }
    say(poolRefusal::line(m_messages, answer, m_pseudo));
}

// The server's reason in the user's language when it named one the
// program knows, else its own words.
QString PoolPart::refusal(const PoolClient::Answer &answer) const
{
    return poolRefusal::reasonText(m_messages, answer, m_pseudo);
}

void PoolPart::showSent(const QJsonObject &sent)
{
    const QStringList bracket = text(Message::poolBracket).split(u'|');
    const bool bracketTaken = sent.value(QStringLiteral("bracket")).toString() == u"taken";
    QString line = text(Message::poolSent)
                       .arg(sent.value(QStringLiteral("predicted")).toArray().size())
                       .arg(sent.value(QStringLiteral("locked")).toArray().size())
                       .arg(bracket.value(bracketTaken ? 0 : 1));
    QStringList late;
    for (const QJsonValue code : sent.value(QStringLiteral("late")).toArray())
        late << code.toString();
    const QStringList lateText = text(Message::poolLate).split(u'|');
    if (sent.value(QStringLiteral("bracketLate")).toBool())
        late << lateText.value(1);
    if (!late.isEmpty())
        line += u' ' + lateText.value(0).arg(late.join(QStringLiteral(", "))) + u'.';
    say(line);
}

void PoolPart::showRanking(const QJsonObject &ranking)
{
    const QStringList yesNo = text(Message::poolYesNo).split(u'|');
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
    const QStringList days = text(Message::matchDayNames).split(u'|');
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
