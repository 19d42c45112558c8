#pragma once

#include <QString>

#include "tournament/MessageTable.h"

// The message entries of the results update and the version notice, with
// the French of the design while no language file has set them.
namespace onlineMessages {

enum Entry {
    updateQuestion = 4,
    updateTitle = 5,
    connectionFailed = 30,
    newerVersion = 31,
    downloading = 32,
    cancel = 33,
    // How much of the download has arrived, and why an update failed.
    received = 104,
    noAnswer = 101,
    stalled = 102,
    tooLong = 103,
    httpError = 37,
    unwritable = 105,
    cancelled = 90,
    redirectLoop = 96,
    redirectedAway = 97,
    undecodable = 98,
    incomplete = 99,
    notAWholeChart = 100,
    updated = 109,
    server = 110, // %1: the address asked
};

inline QString designText(Entry entry)
{
    switch (entry) {
    case updateQuestion:
        return QStringLiteral(
            "Voulez-vous télécharger les résultats officiels ? Ils remplaceront votre pronostic.");
    case updateTitle:
        return QStringLiteral("Mise à jour");
    case connectionFailed:
        return QStringLiteral("Erreur de connexion !");
    case newerVersion:
        return QStringLiteral("Une version plus récente existe, voulez vous la télécharger ?");
    case downloading:
        return QStringLiteral("Téléchargement des résultats officiels...");
    case cancel:
        return QStringLiteral("Annuler");
    case received:
        return QStringLiteral("%1 Ko reçus");
    case noAnswer:
        return QStringLiteral("Le serveur ne répond pas.");
    case stalled:
        return QStringLiteral("Le serveur a cessé de répondre.");
    case tooLong:
        return QStringLiteral("Le téléchargement a pris trop de temps.");
    case httpError:
        return QStringLiteral("Le serveur a répondu par l'erreur HTTP %1.");
    case unwritable:
        return QStringLiteral("Le fichier %1 n'a pas pu être écrit.");
    case cancelled:
        return QStringLiteral("Téléchargement annulé.");
    case redirectLoop:
        return QStringLiteral("Le serveur renvoie d'une adresse à l'autre sans fin.");
    case redirectedAway:
        return QStringLiteral("Le serveur renvoie vers un autre site : %1");
    case undecodable:
        return QStringLiteral("La réponse compressée du serveur est illisible.");
    case incomplete:
        return QStringLiteral("La réponse du serveur est vide ou incomplète.");
    case notAWholeChart:
        return QStringLiteral("Le serveur n'a pas envoyé de tableau 2010 complet.");
    case updated:
        return QStringLiteral("Résultats officiels chargés.");
    case server:
        return QStringLiteral("Serveur : %1");
    }
    return QString();
}

inline QString text(const MessageTable &messages, Entry entry)
{
    return messages.textOr(entry, designText(entry));
}

} // namespace onlineMessages
