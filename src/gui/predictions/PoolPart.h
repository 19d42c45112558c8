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
// window. Joining takes the pseudo of the settings (asked for when there
// is none, and the pool's code when the server wants one); "Envoyer mon
// pronostic" sends the 2010 chart as shown; the ranking and the match days
// are the server's, read again after each send and each time the window
// shows: the top of the ranking and the page that holds the player, each
// row headed by its rank; one line says what the server took and what it
// had locked.
class PoolPart final : public QGroupBox
{
    Q_OBJECT
public:
    PoolPart(QWidget *parent, const MessageTable &messages, PredictionKeeper &keeper, Prompts &prompts);

    void refresh();

private:
    QString text(Message entry, const char *design) const;
    void join(const QString &code = QString());
    void sendShown();
    void answered(PoolClient::Request request, const PoolClient::Answer &answer);
    void askRanking();
    void showRanking(const QJsonObject &ranking);
    void showSent(const QJsonObject &sent);

    const MessageTable &m_messages;
    PredictionKeeper &m_keeper;
    Prompts &m_prompts;
    PoolClient m_client;
    QPushButton *m_join;
    QPushButton *m_send;
    QTableWidget *m_ranking;
    QTableWidget *m_matchDays;
    QLabel *m_status;
    QMap<int, QJsonObject> m_shown; // by rank
};
