#include "gui/print/PrintTexts.h"

#include <array>

#include "tournament/MessageTable.h"

namespace {

constexpr int first = int(PrintText::Caption);

constexpr std::array<const char16_t *, 10> design{
    u"Impression",
    u"Redessiner le tableau",
    u"Enregistrer l'image vyl.bmp et l'ouvrir",
    u"Imprimer le tableau",
    u"Revenir au programme",
    u"Enregistrer le tableau en PDF ou en PNG",
    u"Le fichier %1 n'a pas pu être enregistré.",
    u"Aucune imprimante n'est installée. Voulez-vous enregistrer un PDF à la place ?",
    u"L'impression a échoué. Voulez-vous enregistrer un PDF à la place ?",
    u"Enregistrer sous",
};

} // namespace

QString printText(const MessageTable &messages, PrintText which)
{
    // The confirmation came later than the rest and lives apart from them.
    if (which == PrintText::FileWritten)
        return messages.textOr(int(which), QStringLiteral("Tableau enregistré : %1"));
    return messages.textOr(int(which), QString::fromUtf16(design[std::size_t(int(which) - first)]));
}
