#include "online/PoolRefusal.h"
#include "tournament/MessageTable.h"

#include <QJsonObject>
#include <QTest>

// One table: each of the server's reason codes, and each way of not
// reaching a pool, to the line the program shows.
class TestPoolRefusal final : public QObject
{
    Q_OBJECT
private slots:
    void aCodeIsWordedByTheProgram_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("network");
        QTest::addColumn<int>("retryAfter");
        QTest::addColumn<QString>("line");

        const int none = QNetworkReply::NoError;
        const QString refuses = QStringLiteral("Le serveur refuse : ");
        QTest::newRow("wrong code") << 403 << "wrongCode" << none << 0
                                    << refuses + QStringLiteral("Le code du concours est faux.");
        QTest::newRow("pseudo taken") << 409 << "pseudoTaken" << none << 0
                                      << refuses + QStringLiteral("Le pseudo Zoé est déjà pris.");
        QTest::newRow("tries, with the wait") << 429 << "tooManyTries" << none << 12
                                              << refuses + QStringLiteral("Trop d'essais : réessayez dans 12 s.");
        QTest::newRow("tries, no wait given")
            << 429 << "tooManyTries" << none << 0 << refuses + QStringLiteral("server's own");
        QTest::newRow("wrong token")
            << 403 << "wrongToken" << none << 0
            << refuses + QStringLiteral(
                             "Ce serveur ne connaît plus votre inscription : rejoignez le concours à nouveau.");
        QTest::newRow("locked") << 403 << "locked" << none << 0
                                << refuses +
                                       QStringLiteral(
                                           "Les pronostics de ce match restent scellés jusqu'au coup d'envoi.");
        QTest::newRow("too large") << 413 << "tooLarge" << none << 0
                                   << refuses + QStringLiteral("Le fichier envoyé dépasse 1 Mo.");
        QTest::newRow("unknown player")
            << 404 << "unknownPlayer" << none << 0 << refuses + QStringLiteral("Aucun joueur ne s'appelle Zoé.");
        QTest::newRow("a code not known")
            << 400 << "newerRule" << none << 0 << refuses + QStringLiteral("server's own");
        QTest::newRow("no code, not 404") << 500 << "" << none << 0 << refuses + QStringLiteral("server's own");
        QTest::newRow("no pool") << 404 << "" << none << 0
                                 << "Erreur de connexion ! Ce serveur n'a pas de concours.";
        QTest::newRow("connection refused") << 0 << "" << int(QNetworkReply::ConnectionRefusedError) << 0
                                            << "Erreur de connexion ! Le serveur refuse la connexion.";
        QTest::newRow("no server") << 0 << "" << int(QNetworkReply::HostNotFoundError) << 0
                                   << "Erreur de connexion ! Le serveur ne répond pas.";
    }

    void aCodeIsWordedByTheProgram()
    {
        QFETCH(int, status);
        QFETCH(QString, reason);
        QFETCH(int, network);
        QFETCH(int, retryAfter);
        QFETCH(QString, line);
        PoolClient::Answer answer;
        answer.status = status;
        answer.network = QNetworkReply::NetworkError(network);
        answer.retryAfter = retryAfter;
        answer.error = QStringLiteral("server's own");
        if (!reason.isEmpty())
            answer.json.insert(QStringLiteral("reason"), reason);
        QCOMPARE(poolRefusal::line(MessageTable(), answer, QStringLiteral("Zoé")), line);
    }

    // The user's language, not the server's French, once a file set it.
    void theLanguageAppliedWordsIt()
    {
        MessageTable messages;
        messages.set(int(Message::poolRefused), QStringLiteral("The server refuses: %1"));
        messages.set(int(Message::poolWrongCode), QStringLiteral("The pool's code is wrong."));
        PoolClient::Answer answer;
        answer.status = 403;
        answer.error = QStringLiteral("Le code du concours est faux.");
        answer.json.insert(QStringLiteral("reason"), QStringLiteral("wrongCode"));
        QCOMPARE(poolRefusal::line(messages, answer, QString()),
                 QStringLiteral("The server refuses: The pool's code is wrong."));
    }
};

QTEST_GUILESS_MAIN(TestPoolRefusal)
#include "tst_poolrefusal.moc"
