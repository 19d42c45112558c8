#include "gui/print/PrintTexts.h"

#include <algorithm>
#include <array>

#include "tournament/MessageTable.h"

namespace {

struct Design
{
    Message entry;
    const char16_t *french;
};

constexpr std::array<Design, 11> designs{{
    {Message::printCaption, u"Impression"},
    {Message::redraw, u"Redessiner le tableau"},
    {Message::saveAndOpen, u"Enregistrer l'image vyl.bmp et l'ouvrir"},
    {Message::printChart, u"Imprimer le tableau"},
    {Message::backToProgram, u"Revenir au programme"},
    {Message::saveAsPdfOrPng, u"Enregistrer le tableau en PDF ou en PNG"},
    {Message::fileNotWritten, u"Le fichier %1 n'a pas pu être enregistré."},
    {Message::noPrinter, u"Aucune imprimante n'est installée. Voulez-vous enregistrer un PDF à la place ?"},
    {Message::printFailed, u"L'impression a échoué. Voulez-vous enregistrer un PDF à la place ?"},
    {Message::saveAsTitle, u"Enregistrer sous"},
    {Message::chartSaved, u"Tableau enregistré : %1"},
}};

} // namespace

QString printText(const MessageTable &messages, Message which)
{
    const auto design =
        std::find_if(designs.cbegin(), designs.cend(), [which](const Design &d) { return d.entry == which; });
    return messages.textOr(which, design == designs.cend() ? QString() : QString::fromUtf16(design->french));
}
