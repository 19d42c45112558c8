#pragma once

#include <QString>

#include "tournament/MessageTable.h"

// The texts of the results update and the version notice: their entries,
// or the French of the design while no language file has set them.
namespace onlineMessages {

inline QString designText(Message entry)
{
    switch (entry) {
    case Message::updateQuestion:
        return QStringLiteral(
            "Voulez-vous télécharger les résultats officiels ? Ils remplaceront votre pronostic.");
    case Message::updateTitle:
        return QStringLiteral("Mise à jour");
    case Message::connectionFailed:
        return QStringLiteral("Erreur de connexion !");
    case Message::newerVersion:
        return QStringLiteral("Une version plus récente existe, voulez vous la télécharger ?");
    case Message::downloading:
        return QStringLiteral("Téléchargement des résultats officiels...");
    case Message::cancel:
        return QStringLiteral("Annuler");
    case Message::received:
        return QStringLiteral("%1 Ko reçus");
    case Message::noAnswer:
        return QStringLiteral("Le serveur ne répond pas.");
    case Message::stalled:
        return QStringLiteral("Le serveur a cessé de répondre.");
    case Message::tooLong:
        return QStringLiteral("Le téléchargement a pris trop de temps.");
    case Message::httpError:
        return QStringLiteral("Le serveur a répondu par l'erreur HTTP %1.");
    case Message::unwritable:
        return QStringLiteral("Le fichier %1 n'a pas pu être écrit.");
    case Message::cancelled:
        return QStringLiteral("Téléchargement annulé.");
    case Message::redirectLoop:
        return QStringLiteral("Le serveur renvoie d'une adresse à l'autre sans fin.");
    case Message::redirectedAway:
        return QStringLiteral("Le serveur renvoie vers un autre site : %1");
    case Message::undecodable:
        return QStringLiteral("La réponse compressée du serveur est illisible.");
    case Message::incomplete:
        return QStringLiteral("La réponse du serveur est vide ou incomplète.");
    case Message::notAWholeChart:
        return QStringLiteral("Le serveur n'a pas envoyé de tableau 2010 complet.");
    case Message::resultsLoaded:
        return QStringLiteral("Résultats officiels chargés.");
    case Message::server:
        return QStringLiteral("Serveur : %1");
    default:
        return QString();
    }
}

inline QString text(const MessageTable &messages, Message entry)
{
    return messages.textOr(entry, designText(entry));
}

} // namespace onlineMessages
