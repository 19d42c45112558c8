#pragma once

#include <QString>

#include "i18n/MessageTable.h"

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
    updated = 97,
    server = 98, // %1: the address asked
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
