#pragma once

#include <QGroupBox>
#include <QJsonObject>
#include <QMap>

#include "online/PoolClient.h"
#include "tournament/Message.h"

class MessageTable;
class PredictionKeeper;
class Prompts;
class QLabel;
class QPushButton;
class QTableWidget;

// "Concours": the pool on the update server, inside the predictions
// window. The account of the server in use is named at the top. Joining
// takes the pseudo of the settings (asked for when there is none); a
// refusal the user can mend asks again, keeping what was typed: the
// pool's code when it is missing or wrong, another pseudo when it is
// taken; joining again where an account is kept first asks, since the old
// entry is then left behind. "Envoyer mon pronostic" sends the 2010 chart
// as shown; the ranking and the match days are the server's, read again
// after each join, each send and each time the window shows: the top of
// the ranking and the page that holds the player, each row headed by its
// rank; one line (placed by the window, where it is always in sight) says
// how many predicted matches the server took, what it had locked, and
// which of the user's changes came after their kick-off.
class PoolPart final : public QGroupBox
{
    Q_OBJECT
public:
    PoolPart(QWidget *parent, const MessageTable &messages, PredictionKeeper &keeper, Prompts &prompts);

    void refresh();
    QLabel *statusLine() const { return m_status; }

protected:
    // A language switch words the part again; the ranking's figures stay.
    void changeEvent(QEvent *event) override;

private:
    void say(const QString &line);
    void showTexts();
    QString text(Message entry) const;
    void join();
    void sendShown();
    void answered(PoolClient::Request request, const PoolClient::Answer &answer);
    void joinRefused(const PoolClient::Answer &answer);
    QString refusal(const PoolClient::Answer &answer) const;
    void showAccount();
    void askRanking();
    void showRanking(const QJsonObject &ranking);
    void showSent(const QJsonObject &sent);

    const MessageTable &m_messages;
    PredictionKeeper &m_keeper;
    Prompts &m_prompts;
    PoolClient m_client;
    // What the user typed for the join under way.
    QString m_pseudo;
    QString m_code;
    QLabel *m_account;
    QPushButton *m_join;
    QPushButton *m_send;
    QLabel *m_rankingLink;
    QTableWidget *m_ranking;
    QTableWidget *m_matchDays;
    QLabel *m_status;
    QMap<int, QJsonObject> m_shown; // by rank
};
