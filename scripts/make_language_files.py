#!/usr/bin/env python3
"""Writes the shipped language files data/langFr.txt, langEn.txt, langSp.txt,
langDe.txt, langIt.txt, langPt.txt and langNl.txt, with the two headers
that give the code its French: src/tournament/Message.h, which names the
message entries and words each in French, and src/i18n/ControlCatalogue.h,
the captions and tooltips the controls take when they are built. The
French of the program is typed here and nowhere else.

The files have to name the same controls and the same messages: a switch
only rewrites what the new file names, so anything one file sets and another
does not stays in the previous language. French, English and Spanish sit
side by side in the table below; each later language keeps its words in a
module of its own, scripts/languages/<code>.py, so that the table stays
readable. The run refuses to write anything while a language lacks an
entry of the table, names one the table does not have, or words a
placeholder differently, and while the table lacks a team that a shipped
chart names.

A control line is "name\\caption\\text\\tooltip\\index" and every field is
applied, empty ones included. No line here gives a text: the only controls
that have one are the user's score and team cells and the calendar's day
pickers, which a language switch must never overwrite. For the same reason
no line names a cell whose caption the chart computes (tie notices, tables,
match labels, bracket, podium, goal total, news).

Run it after editing a translation; tests/app/tst_languagefiles.cpp checks
the result against the window. With --check it writes nothing and fails
when a committed file differs from what it would write.
"""

import importlib
import re
import sys
from collections import namedtuple
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "data"
CATALOGUE = DATA.parent / "src" / "tournament" / "Message.h"
CONTROL_CATALOGUE = DATA.parent / "src" / "i18n" / "ControlCatalogue.h"

TABLE_LANGUAGES = ("fr", "en", "es")
LANGUAGES = (("fr", "langFr.txt"), ("en", "langEn.txt"), ("es", "langSp.txt"), ("de", "langDe.txt"),
             ("it", "langIt.txt"), ("pt", "langPt.txt"), ("nl", "langNl.txt"))

# (caption, tooltip) per language.
Control = namedtuple("Control", "name index fr en es")

CONTROLS = [
    # Button bar and title.
    Control("Command3", None,
            fr=("Sauve", "Enregistrer votre pronostic"),
            en=("Save", "Save your predictions"),
            es=("Guardar", "Guardar sus pronósticos")),
    # The caption follows the page shown; the loader sets it from messages 1
    # and 2 right after the file.
    Control("Command1", None,
            fr=("Phase Finale", "Afficher les groupes ou le tableau final"),
            en=("Knockout stage", "Show the group tables or the knockout bracket"),
            es=("Fase final", "Mostrar los grupos o el cuadro final")),
    Control("Command5", None,
            fr=("Quitter", "Fermer le programme (pensez à sauver votre pronostic)"),
            en=("Quit", "Close the program (remember to save your predictions first)"),
            es=("Salir", "Cerrar el programa (no olvide guardar sus pronósticos)")),
    Control("Command8", None,
            fr=("Mise à jour", "Télécharger les résultats officiels"),
            en=("Update", "Download the official results"),
            es=("Actualizar", "Descargar los resultados oficiales")),
    Control("Command6", None,
            fr=("Aide", "Mode d'emploi, affichage et liens"),
            en=("Help", "How to use, display and links"),
            es=("Ayuda", "Instrucciones, pantalla y enlaces")),
    Control("Command21", None,
            fr=("Stats", "Classement final et buts du tournoi affiché"),
            en=("Statistics", "Final ranking and goals of the tournament shown"),
            es=("Estadíst.", "Clasificación final y goles del torneo mostrado")),
    Control("Command11", None,
            fr=("Historique", "Revoir les Coupes du monde de 1998 à 2026 et les Euros de 2016 à 2024, ou commencer un tournoi à venir"),
            en=("History", "Look back at the World Cups from 1998 to 2026 and the Euros from 2016 to 2024, or start a tournament to come"),
            es=("Historial", "Volver a ver los Mundiales de 1998 a 2026 y las Eurocopas de 2016 a 2024, o empezar un torneo futuro")),
    Control("Command15", None,
            fr=("Calendrier", "Les matches du jour"),
            en=("Calendar", "Today's matches"),
            es=("Calendario", "Los partidos del día")),
    Control("LabTitre", None,
            fr=("Coupe du Monde de Football 2010", ""),
            en=("2010 Football World Cup", ""),
            es=("Copa Mundial de Fútbol 2010", "")),
    Control("Label12", None,
            fr=("", "Déblocage"),
            en=("", "Unlock"),
            es=("", "Desbloqueo")),

    # Group tables: the column headings are shared by the eight groups.
    *[Control("Frame%d" % (g + 1), None,
              fr=("Groupe " + letter, ""),
              en=("Group " + letter, ""),
              es=("Grupo " + letter, ""))
      for g, letter in enumerate("ABCDEFGH")],
    Control("LabEntete", 0,
            fr=("J", "Matchs joués"),
            en=("P", "Matches played"),
            es=("PJ", "Partidos jugados")),
    Control("LabEntete", 1,
            fr=("BP", "Buts pour"),
            en=("GF", "Goals for"),
            es=("GF", "Goles a favor")),
    Control("LabEntete", 2,
            fr=("BC", "Buts contre"),
            en=("GA", "Goals against"),
            es=("GC", "Goles en contra")),
    Control("LabEntete", 3,
            fr=("+/-", "Différence de buts"),
            en=("GD", "Goal difference"),
            es=("DG", "Diferencia de goles")),
    Control("LabEntete", 4,
            fr=("Pts", "Points"),
            en=("Pts", "Points"),
            es=("Pts", "Puntos")),
    Control("Frame10", None,
            fr=("Huitième de Finale", ""),
            en=("Round of 16", ""),
            es=("Octavos de final", "")),

    # Knock-out page.
    Control("LabTour", 0,
            fr=("Huitième de Finale", ""),
            en=("Round of 16", ""),
            es=("Octavos de final", "")),
    Control("LabTour", 1,
            fr=("Quart de Finale", ""),
            en=("Quarter-finals", ""),
            es=("Cuartos de final", "")),
    Control("LabTour", 2,
            fr=("Demi Finale", ""),
            en=("Semi-finals", ""),
            es=("Semifinales", "")),
    Control("LabTour", 3,
            fr=("Finale", ""),
            en=("Final", ""),
            es=("Final", "")),
    Control("LabTour", 4,
            fr=("Petite Finale", ""),
            en=("Third-place play-off", ""),
            es=("Partido por el tercer puesto", "")),
    Control("LabTour", 5,
            fr=("Podium", ""),
            en=("Podium", ""),
            es=("Podio", "")),

    # Calendar and match information.
    Control("Label14", None,
            fr=("Matches du :", ""),
            en=("Matches on:", ""),
            es=("Partidos del día:", "")),
    Control("Image11", None,
            fr=("", "Fermer le calendrier"),
            en=("", "Close the calendar"),
            es=("", "Cerrar el calendario")),
    Control("Label11", 0,
            fr=("Partenaire officiel.", ""),
            en=("Official partner.", ""),
            es=("Patrocinador oficial.", "")),
    Control("Label11", 1,
            fr=("Vylora Logiciels", ""),
            en=("Vylora Software", ""),
            es=("Vylora Software", "")),
    Control("Image6", None,
            fr=("", "Téléchargez des logiciels"),
            en=("", "Download software"),
            es=("", "Descargar programas")),
    Control("Image7", None,
            fr=("", "Téléchargez des logiciels"),
            en=("", "Download software"),
            es=("", "Descargar programas")),

    # Help panel.
    *[Control("LabAideTitre", i, fr=(fr, ""), en=(en, ""), es=(es, ""))
      for i, (fr, en, es) in enumerate([
          ("La phase de groupes", "The group stage", "La fase de grupos"),
          ("La phase finale", "The knockout stage", "La fase final"),
          ("Sauvegarde et mise à jour", "Saving and updating", "Guardar y actualizar"),
          ("Affichage", "Display", "Pantalla"),
          ("À propos", "About", "Acerca de"),
      ])],
    *[Control("LabAide", i, fr=(fr, ""), en=(en, ""), es=(es, ""))
      for i, (fr, en, es) in enumerate([
          ("Tapez les buts de chaque équipe dans les deux cases de chaque match ; un « - » veut dire que "
           "le match n'est pas encore joué. Le classement du groupe se refait aussitôt : 3 points pour "
           "une victoire, 1 pour un nul, puis la différence de buts et les buts marqués. Quand les six "
           "matches d'un groupe sont joués, les deux qualifiés passent en rouge et partent en huitième "
           "de finale.",
           "Type each team's goals into the two boxes of every match; a \u201c-\u201d means the match has "
           "not been played yet. The group table updates at once: 3 points for a win, 1 for a draw, "
           "then goal difference and goals scored. Once all six matches of a group are played, the two "
           "teams that go through turn red and move on to the round of 16.",
           "Escriba los goles de cada equipo en las dos casillas de cada partido; un «-» significa que "
           "el partido aún no se ha jugado. La clasificación del grupo se actualiza al momento: 3 puntos "
           "por victoria, 1 por empate, y después la diferencia de goles y los goles marcados. Cuando se "
           "han jugado los seis partidos de un grupo, los dos clasificados se ponen en rojo y pasan a "
           "octavos de final."),
          ("Si « Tirage au sort ! » s'affiche dans un groupe, deux équipes sont à égalité parfaite : "
           "cliquez sur le nom de celle qui doit monter d'une place.",
           "If \u201cDraw lots!\u201d appears in a group, two teams are exactly level: click the name of "
           "the one that should move up a place.",
           "Si aparece «¡Sorteo!» en un grupo, dos equipos están empatados en todo: haga clic en el "
           "nombre del que debe subir un puesto."),
          ("Pour changer le nom des équipes, cliquez sur le petit coin caché juste à gauche du titre de "
           "la fenêtre : les noms deviennent modifiables.",
           "To rename the teams, click the small hidden corner just left of the window's title: the "
           "names can then be edited.",
           "Para cambiar el nombre de los equipos, haga clic en la pequeña esquina oculta justo a la "
           "izquierda del título de la ventana: los nombres se podrán editar."),
          ("Ces deux boutons font passer d'une phase à l'autre :",
           "These two buttons switch from one stage to the other:",
           "Estos dos botones pasan de una fase a la otra:"),
          ("Tapez les buts dans la première case de chaque équipe et, en cas d'égalité, les tirs au but "
           "dans la case grise. Le vainqueur passe en vert au tour suivant, jusqu'au podium. Essayez "
           "ici :",
           "Type the goals into each team's first box and, after a draw, the penalty shoot-out into the "
           "grey box. The winner turns green and goes through to the next round, all the way to the "
           "podium. Try it here:",
           "Escriba los goles en la primera casilla de cada equipo y, si hay empate, la tanda de "
           "penaltis en la casilla gris. El ganador se pone en verde y pasa a la siguiente ronda, hasta "
           "el podio. Pruebe aquí:"),
          ("Ici 1 à 1, puis 4 tirs au but à 3 : l'équipe 1 se qualifie.",
           "Here 1-1, then 4-3 on penalties: team 1 goes through.",
           "Aquí 1 a 1, y luego 4 a 3 en los penaltis: pasa el equipo 1."),
          ("« Sauve » enregistre votre pronostic : il revient tel quel au prochain démarrage. Si vous "
           "quittez sans l'avoir enregistré, le programme vous le propose.",
           "\u201cSave\u201d stores your predictions: they come back as they were the next time you "
           "start. If you quit without saving, the program offers to do it.",
           "«Guardar» almacena sus pronósticos: vuelven tal cual la próxima vez que abra el programa. "
           "Si sale sin guardar, el programa se lo propone."),
          ("« Mise à jour » télécharge les vrais résultats publiés et les met à la place de votre "
           "pronostic.",
           "\u201cUpdate\u201d downloads the real results as published and puts them in place of your "
           "predictions.",
           "«Actualizar» descarga los resultados reales publicados y los pone en lugar de sus "
           "pronósticos."),
          ("« Calendrier » montre les matches du jour choisi ; un clic sur le calendrier le referme. "
           "« Historique » rouvre les Coupes du monde de 1998 à 2022.",
           "\u201cCalendar\u201d shows the matches of the chosen day; click the calendar to close it. "
           "\u201cHistory\u201d reopens the World Cups from 1998 to 2022.",
           "«Calendario» muestra los partidos del día elegido; un clic en el calendario lo cierra. "
           "«Historial» vuelve a abrir los Mundiales de 1998 a 2022."),
          ("Écran trop petit ? Le mode réduit rapetisse toute la fenêtre ; il est gardé pour la "
           "prochaine fois.",
           "Screen too small? Compact mode shrinks the whole window; it is kept for next time.",
           "¿Pantalla demasiado pequeña? El modo reducido encoge toda la ventana; se conserva para la "
           "próxima vez."),
      ])],
    *[Control("ButEx", i, fr=(fr, ""), en=(en, ""), es=(es, ""))
      for i, (fr, en, es) in enumerate([
          ("Équipe 1", "Team 1", "Equipo 1"),
          ("Équipe 2", "Team 2", "Equipo 2"),
      ])],
    # Label9, the author's address, is the same in every language; a line
    # for it would only wipe it. Element 4 of Label6, the author's credit,
    # is the program's own: the window keeps it whatever a file says.
    *[Control("Label6", i, fr=(fr, ""), en=(en, ""), es=(es, ""))
      for i, (fr, en, es) in enumerate([
          ("Vylora 2010 suit et prédit la Coupe du Monde de football.",
           "Vylora 2010 follows and predicts the football World Cup.",
           "Vylora 2010 sigue y pronostica el Mundial de fútbol."),
          ("Drapeaux, logos et stades dessinés par le programme.",
           "Flags, logos and stadiums drawn by the program.",
           "Banderas, logotipos y estadios dibujados por el programa."),
          ("Traductions anglaise et espagnole.",
           "English and Spanish translations.",
           "Traducciones al inglés y al español."),
          ("Merci aux membres du forum pour leurs idées.",
           "Thanks to the forum members for their ideas.",
           "Gracias a los miembros del foro por sus ideas."),
      ])],
    Control("Label3", None,
            fr=("Me contacter...", "Écrire à l'auteur"),
            en=("Contact me...", "Write to the author"),
            es=("Contactar...", "Escribir al autor")),
    Control("Label4", None,
            fr=("Participez sur le forum.", ""),
            en=("Join in on the forum.", ""),
            es=("Participe en el foro.", "")),
    Control("Label8", None,
            fr=("Forum", "Le forum du programme"),
            en=("Forum", "The program's forum"),
            es=("Foro", "El foro del programa")),
    Control("Image5", None,
            fr=("", "Le site de l'auteur"),
            en=("", "The author's website"),
            es=("", "El sitio del autor")),
    Control("Image3", None,
            fr=("", "Téléchargez des logiciels"),
            en=("", "Download software"),
            es=("", "Descargar programas")),
    Control("Command2", None,
            fr=("Retour", "Revenir au tableau"),
            en=("Back", "Back to the chart"),
            es=("Volver", "Volver al cuadro")),

    # Results update, links and the publishing editor.
    Control("Image2", None,
            fr=("", "Le site de l'auteur"),
            en=("", "The author's website"),
            es=("", "El sitio web del autor")),
    # The publisher's editor.
    Control("Frame20", None,
            fr=("Mise à jour fichier.", ""),
            en=("Update the file.", ""),
            es=("Actualizar el archivo.", "")),
    Control("LabEditeur", 0,
            fr=("mot de passe", ""),
            en=("password", ""),
            es=("contraseña", "")),
    Control("LabEditeur", 1,
            fr=("Pseudo", ""),
            en=("User name", ""),
            es=("Seudónimo", "")),
    Control("LabEditeur", 2,
            fr=("Version du programme", ""),
            en=("Program version", ""),
            es=("Versión del programa", "")),
    Control("LabEditeur", 3,
            fr=("Version disponible", ""),
            en=("Available version", ""),
            es=("Versión disponible", "")),
    Control("LabEditeur", 4,
            fr=("Lien", ""),
            en=("Link", ""),
            es=("Enlace", "")),
    Control("LabEditeur", 5,
            fr=("Texte Français", ""),
            en=("French text", ""),
            es=("Texto en francés", "")),
    Control("LabEditeur", 6,
            fr=("Texte Anglais", ""),
            en=("English text", ""),
            es=("Texto en inglés", "")),
    Control("LabEditeur", 7,
            fr=("Texte Espagnol", ""),
            en=("Spanish text", ""),
            es=("Texto en español", "")),
    Control("LabEditeur", 8,
            fr=("Vous avez bien importé le dernier fichier", ""),
            en=("You have downloaded the latest file", ""),
            es=("Ha descargado el último archivo", "")),
    Control("LabEditeur", 9,
            fr=(", puis vous l'avez enregistré", ""),
            en=(", then saved it", ""),
            es=(", y luego lo ha guardado", "")),
    Control("Command18", None,
            fr=("Enregistrer ces modifs", ""),
            en=("Save these changes", ""),
            es=("Guardar estos cambios", "")),
    Control("Command19", None,
            fr=("Abandon", ""),
            en=("Close", ""),
            es=("Cerrar", "")),
    Control("Command20", None,
            fr=("Recharger l'image", ""),
            en=("Reload the picture", ""),
            es=("Recargar la imagen", "")),
    Control("Command16", None,
            fr=("Envoyer le dernier score  (Le chemin du fichier est dans le presse papier)", ""),
            en=("Send the latest scores  (the file's path is on the clipboard)", ""),
            es=("Enviar los últimos resultados  (la ruta del archivo está en el portapapeles)", "")),
    Control("Command17", None,
            fr=("Modifier le fichier manuellement. (Experts only)", ""),
            en=("Edit the file by hand. (Experts only)", ""),
            es=("Editar el archivo a mano. (Solo expertos)", "")),

    # History panel and statistics window.
    Control("FraHisto", None,
            fr=("Historique", ""),
            en=("History", ""),
            es=("Historial", "")),
    Control("Label13", None,
            fr=("Revoir un tournoi :", ""),
            en=("Look back at a tournament:", ""),
            es=("Volver a ver un torneo:", "")),
    *[Control(name, None,
              fr=("Ouvrir", "Afficher le tournoi choisi"),
              en=("Open", "Show the chosen tournament"),
              es=("Abrir", "Mostrar el torneo elegido"))
      for name in ("Command12", "Command7")],
    Control("Command4", None,
            fr=("2010...", "Revenir à votre pronostic 2010"),
            en=("2010...", "Back to your 2010 predictions"),
            es=("2010...", "Volver a sus pronósticos de 2010")),
    Control("Command24", None,
            fr=("Nouveau tournoi", "Suivre un tournoi à venir sur votre propre tableau"),
            en=("New tournament", "Follow a coming tournament on a chart of your own"),
            es=("Nuevo torneo", "Seguir un torneo próximo en un cuadro propio")),

    # Print window.
    Control("Command13", None,
            fr=("", "Imprimer le tableau"),
            en=("", "Print the chart"),
            es=("", "Imprimir el cuadro")),

    # Why each place and what each team needs.
]

# Entry: (the name the code calls it by, French, English, Spanish).
MESSAGES = {
    # The knock-out button while the bracket is closed, and while it is open.
    1: ("knockoutButton", "Phase Finale", "Knockout stage", "Fase final"),
    2: ("groupsButton", "Phase de Groupes", "Group stage", "Fase de grupos"),
    # A complete group with an exact tie.
    3: ("drawLots", "Tirage au sort !", "Draw lots!", "¡Sorteo!"),
    # The results download and its title.
    4: ("updateQuestion", "Voulez-vous télécharger les résultats officiels ? Ils remplaceront votre pronostic.",
        "Do you want to download the official results? They will replace your predictions.",
        "¿Desea descargar los resultados oficiales? Sustituirán a sus pronósticos."),
    5: ("updateTitle", "Mise à jour", "Update", "Actualización"),
    # Heads the year lists of past tournaments.
    6: ("chooseYear", "Choisir l'année...", "Choose a year...", "Elegir el año..."),
    # Calendar rows of a day without matches, above "!!!".
    7: ("noMatches", "Pas de match", "No matches", "¡No hay partidos"),
    8: ("onThisDay", "ce jour-là", "on this day", "ese día"),
    # Statistics window: title before the year, goals, headings, group-stage exit.
    9: ("statsTitle", "Statistiques de la Coupe du Monde", "Statistics – World Cup", "Estadísticas del Mundial"),
    10: ("goals", "buts", "goals", "goles"),
    11: ("goalsHeading", "Meilleurs buteurs :", "Goals by team:", "Goles por equipo:"),
    13: ("rankingHeading", "Classement :", "Final ranking:", "Clasificación final:"),
    14: ("groupStageExit", "1er tour", "group stage", "fase de grupos"),
    # A failed save; %1 is the file.
    15: ("saveFailed", "Le pronostic n'a pas pu être enregistré dans le fichier %1.",
         "Your predictions could not be saved to the file %1.",
         "No se han podido guardar los pronósticos en el archivo %1."),

    # 17-29: navigation, help and quitting.
    # The mode button: to compact mode, and back to normal.
    17: ("toCompact", "Passer en mode réduit", "Switch to compact mode", "Cambiar a modo reducido"),
    18: ("toNormal", "Passer en mode normal", "Switch to normal mode", "Volver al modo normal"),
    # Quitting with predictions not saved, and its three answers.
    19: ("unsavedQuestion", "Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant "
         "de quitter ?",
         "Your predictions have changed since they were last saved. Do you want to save them before "
         "quitting?",
         "Sus pronósticos han cambiado desde la última vez que se guardaron. ¿Desea guardarlos antes "
         "de salir?"),
    20: ("saveAnswer", "Enregistrer", "Save", "Guardar"),
    21: ("discardAnswer", "Quitter sans enregistrer", "Quit without saving", "Salir sin guardar"),
    22: ("stayAnswer", "Annuler", "Cancel", "Cancelar"),
    # Said for a few seconds after a good save.
    23: ("saved", "Pronostic enregistré.", "Predictions saved.", "Pronósticos guardados."),

    # 30-44: results update, links and the publishing editor.
    # A results download that failed, and the newer-version question.
    30: ("connectionFailed", "Erreur de connexion !", "Connection error!", "¡Error de conexión!"),
    31: ("newerVersion", "Une version plus récente existe, voulez vous la télécharger ?",
         "A newer version is available. Do you want to download it?",
         "Hay una versión más reciente. ¿Desea descargarla?"),
    # The progress window of the results download and its button.
    32: ("downloading", "Téléchargement des résultats officiels...", "Downloading the official results...",
         "Descargando los resultados oficiales..."),
    33: ("cancel", "Annuler", "Cancel", "Cancelar"),
    # Under it, how much has arrived (%1 in kilobytes).
    104: ("received", "%1 Ko reçus", "%1 KB received", "%1 KB recibidos"),
    # A failed update says why on the line under entry 30, one line per
    # cause; the lines go on at 37, 90, 96 and 101.
    101: ("noAnswer", "Le serveur ne répond pas.", "The server does not answer.", "El servidor no responde."),
    102: ("stalled", "Le serveur a cessé de répondre.", "The server stopped answering.",
         "El servidor ha dejado de responder."),
    103: ("tooLong", "Le téléchargement a pris trop de temps.", "The download took too long.",
         "La descarga ha tardado demasiado."),
    # %1 is the status code.
    37: ("httpError", "Le serveur a répondu par l'erreur HTTP %1.", "The server answered with HTTP error %1.",
         "El servidor ha respondido con el error HTTP %1."),
    # The editor: the question before opening it without an update, the
    # password prompt, an export without a user name, a failed save (%1 is
    # the file), the password prompt's title, the banners' tooltip.
    38: ("editorWithoutUpdate", "Vous n'aviez pas fait de mise à jour depuis l'ouverture du programme, Etes vous sur ?",
         "You have not updated the results since the program started. Are you sure?",
         "No ha actualizado los resultados desde que abrió el programa. ¿Está seguro?"),
    39: ("passwordPrompt", "Mot de passe ?", "Password?", "¿Contraseña?"),
    40: ("pseudoMissing", "Pseudo ???", "User name???", "¿¿¿Seudónimo???"),
    41: ("editorSaveFailed", "Les modifications n'ont pas pu être enregistrées dans le fichier %1.",
         "The changes could not be saved to the file %1.",
         "No se han podido guardar los cambios en el archivo %1."),
    42: ("passwordTitle", "Mise à jour", "Update", "Actualización"),
    43: ("bannerToolTip", "Clic droit = ouvre le module. Gauche = recharge",
         "Right click = opens the editor. Left click = reloads",
         "Clic derecho = abre el editor. Clic izquierdo = recarga"),

    # 45-54: history and statistics.
    # Tooltips of the statistics window's buttons.
    45: ("close", "Fermer", "Close", "Cerrar"),
    46: ("printStatistics", "Imprimer les statistiques", "Print the statistics", "Imprimir las estadísticas"),
    # Opening a past tournament over unsaved predictions (%1 is its year),
    # and the answer that opens it anyway.
    47: ("unsavedBeforeOpening", "Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant "
         "d'ouvrir %1 ?",
         "Your predictions have changed since they were last saved. Do you want to save them before "
         "opening %1?",
         "Sus pronósticos han cambiado desde la última vez que se guardaron. ¿Desea guardarlos antes "
         "de abrir %1?"),
    48: ("openAnswer", "Ouvrir sans enregistrer", "Open without saving", "Abrir sin guardar"),

    # 55-64: print window.
    # Its caption, then the tooltips of its buttons.
    55: ("printCaption", "Impression", "Print", "Impresión"),
    56: ("redraw", "Redessiner le tableau", "Redraw the chart", "Volver a dibujar el cuadro"),
    57: ("saveAndOpen", "Enregistrer l'image vyl.bmp et l'ouvrir", "Save the picture vyl.bmp and open it",
         "Guardar la imagen vyl.bmp y abrirla"),
    58: ("printChart", "Imprimer le tableau", "Print the chart", "Imprimir el cuadro"),
    59: ("backToProgram", "Revenir au programme", "Back to the program", "Volver al programa"),
    60: ("saveAsPdfOrPng", "Enregistrer le tableau en PDF ou en PNG", "Save the chart as a PDF or PNG file",
         "Guardar el cuadro en PDF o PNG"),
    # A file that could not be written; %1 is the file.
    61: ("fileNotWritten", "Le fichier %1 n'a pas pu être enregistré.", "The file %1 could not be saved.",
         "No se ha podido guardar el archivo %1."),
    # A print that could not be made, and the title of the save dialog.
    62: ("noPrinter", "Aucune imprimante n'est installée. Voulez-vous enregistrer un PDF à la place ?",
         "No printer is installed. Do you want to save a PDF instead?",
         "No hay ninguna impresora instalada. ¿Desea guardar un PDF en su lugar?"),
    63: ("printFailed", "L'impression a échoué. Voulez-vous enregistrer un PDF à la place ?",
         "Printing failed. Do you want to save a PDF instead?",
         "La impresión ha fallado. ¿Desea guardar un PDF en su lugar?"),
    64: ("saveAsTitle", "Enregistrer sous", "Save as", "Guardar como"),

    # 65-84: why each place and what each team needs.
    # A team row's tooltip: the team below (or above, for the last) and
    # the criterion that parts them, own value first.
    65: ("ahead", "Devant : %1", "Ahead of %1", "Por delante de %1"),
    66: ("behind", "Derrière : %1", "Behind %1", "Por detrás de %1"),
    67: ("pointsLine", "Points : %1 contre %2", "Points: %1 to %2", "Puntos: %1 a %2"),
    68: ("differenceLine", "Différence de buts : %1 contre %2", "Goal difference: %1 to %2", "Diferencia de goles: %1 a %2"),
    69: ("goalsForLine", "Buts marqués : %1 contre %2", "Goals scored: %1 to %2", "Goles a favor: %1 a %2"),
    70: ("drawOfLotsLine", "Départage par tirage au sort", "Separated by drawing lots", "Desempate por sorteo"),
    71: ("levelLine", "Rien ne les sépare (ordre du groupe)", "Nothing separates them (group order)",
         "Nada los separa (orden del grupo)"),
    # The tooltip of a team's needs marker: its fate, or one line for each
    # result of its next match. %1 of 74-76 is a result (77-79), %2 of 76
    # what the rest depends on (80-82).
    72: ("qualifiedWhatever", "Qualification assurée quoi qu'il arrive", "Through whatever happens",
         "Clasificación asegurada pase lo que pase"),
    73: ("eliminatedWhatever", "Plus aucune chance de qualification", "Out whatever happens", "Sin opciones de clasificación"),
    74: ("isEnough", "%1 suffit", "%1 is enough", "%1 basta"),
    75: ("isNotEnough", "%1 ne suffit pas", "%1 is not enough", "%1 no basta"),
    76: ("depends", "%1 : %2", "%1: %2", "%1: %2"),
    77: ("aWin", "Une victoire", "A win", "Una victoria"),
    78: ("aDraw", "Un nul", "A draw", "Un empate"),
    79: ("aLoss", "Une défaite", "A loss", "Una derrota"),
    80: ("dependsOnTheOtherMatch", "dépend de l'autre match", "depends on the other match", "depende del otro partido"),
    81: ("dependsOnTheOtherMatches", "dépend des autres matchs", "depends on the other matches", "depende de los demás partidos"),
    82: ("dependsOnGoals", "dépend des buts", "depends on goals", "depende de los goles"),
    83: ("evenALossIsEnough", "Même une défaite suffit", "Even a loss is enough", "Incluso una derrota basta"),
    84: ("aLossMeansOut", "Une défaite élimine", "A loss means going out", "Una derrota elimina"),

    # 85-95: reading and writing files.
    # A chart file that holds no chart; %1 the file, %2 where it is kept.
    85: ("notAChart", "Le fichier %1 ne contient pas de pronostic. Il est conservé sous le nom %2 et une grille vide est affichée.",
         "The file %1 does not hold a chart. It has been kept as %2, and an empty chart is shown.",
         "El archivo %1 no contiene ningún pronóstico. Se ha conservado con el nombre %2 y se muestra un cuadro vacío."),
    # A chart file far larger than any chart; %1 the file.
    86: ("chartTooLarge", "Le fichier %1 est trop volumineux pour être un pronostic. Il n'a pas été chargé et aucun enregistrement ne l'écrasera.",
         "The file %1 is too large to be a chart. It has not been loaded, and saving will not overwrite it.",
         "El archivo %1 es demasiado grande para ser un pronóstico. No se ha cargado y ningún guardado lo sobrescribirá."),
    # The same for a language file.
    87: ("languageFileTooLarge", "Le fichier de langue %1 est trop volumineux : il n'a pas été appliqué.",
         "The language file %1 is too large, so it has not been applied.",
         "El archivo de idioma %1 es demasiado grande, así que no se ha aplicado."),
    # A team name refuses a character that the chart file cannot hold.
    88: ("refusedCharacter", "Le caractère « %1 » ne peut pas être enregistré dans le fichier du pronostic.",
         "The character “%1” cannot be stored in the chart file.",
         "El carácter «%1» no se puede guardar en el archivo del pronóstico."),

    # Why an update failed, continued from 101-103 and 37: the chart file (%1) that
    # could not be written, and the download the user stopped.
    105: ("unwritable", "Le fichier %1 n'a pas pu être écrit.", "The file %1 could not be written.",
         "No se ha podido escribir el archivo %1."),
    90: ("cancelled", "Téléchargement annulé.", "Download cancelled.", "Descarga cancelada."),
    # 96-100: the server's answer; %1 of 97 is where it sent the program.
    96: ("redirectLoop", "Le serveur renvoie d'une adresse à l'autre sans fin.", "The server redirects in a loop.",
         "El servidor redirige en bucle."),
    97: ("redirectedAway", "Le serveur renvoie vers un autre site : %1", "The server redirects to another site: %1",
         "El servidor redirige a otro sitio: %1"),
    98: ("undecodable", "La réponse compressée du serveur est illisible.", "The server's compressed answer is damaged.",
         "La respuesta comprimida del servidor está dañada."),
    99: ("incomplete", "La réponse du serveur est vide ou incomplète.", "The server's answer is empty or incomplete.",
         "La respuesta del servidor está vacía o incompleta."),
    100: ("notAWholeChart", "Le serveur n'a pas envoyé de tableau complet de ce tournoi.",
          "The server sent no whole chart of this tournament.",
          "El servidor no ha enviado un cuadro completo de este torneo."),

    # Tooltip of the penalty cells. A control line cannot carry it: its
    # empty text field would wipe the penalties the user typed.
    16: ("shootOut", "Tirs au but", "Penalty shoot-out", "Tanda de penaltis"),
}

# The predictions: their window, the keeping and the scoring.
MESSAGES.update({
    24: ("predictionsTitle", 'Pronostics', 'Predictions', 'Pronósticos'),
    25: ("rankingHeaders", 'Pronostic|Points|Scores exacts|Bons résultats|Phase finale', 'Prediction|Points|Exact scores|Right outcomes|Knock-out', 'Pronóstico|Puntos|Resultados exactos|Aciertos|Fase final'),
    26: ("matchDayHeading", 'Vainqueur de chaque journée', 'Winner of each match day', 'Ganador de cada jornada'),
    27: ("matchDayNames", 'Journée 1|Journée 2|Journée 3|Huitièmes|Quarts|Demies|Finale', 'Match day 1|Match day 2|Match day 3|Round of 16|Quarter-finals|Semi-finals|Final', 'Jornada 1|Jornada 2|Jornada 3|Octavos|Cuartos|Semifinales|Final'),
    28: ("matchHeading", "Les pronostics d'un match", 'Every prediction of a match', 'Los pronósticos de un partido'),
    29: ("matchHeaders", 'Pronostic|Score|Points', 'Prediction|Score|Points', 'Pronóstico|Resultado|Puntos'),
    34: ("realResult", 'Résultat', 'Result', 'Resultado'),
    35: ("addPrediction", 'Ajouter un pronostic...', 'Add a prediction...', 'Añadir un pronóstico...'),
    36: ("openPrediction", 'Ouvrir', 'Open', 'Abrir'),
    44: ("scoringRules", "Score exact d'un match de groupe : 3 points|Bon résultat (victoire, nul, défaite) : 1 point|Chaque équipe en huitièmes : 1 point, en quarts : 2, en demies : 3, en finale : 4|Le champion : 5 points|Rien pour un match pas encore joué. Maximum : 201 points", 'Exact score of a group match: 3 points|Right outcome (win, draw, loss): 1 point|Each team in the round of 16: 1 point, quarter-finals: 2, semi-finals: 3, final: 4|The champion: 5 points|Nothing for a match not yet played. Maximum: 201 points', 'Resultado exacto de un partido de grupo: 3 puntos|Acierto (victoria, empate, derrota): 1 punto|Cada equipo en octavos: 1 punto, en cuartos: 2, en semifinales: 3, en la final: 4|El campeón: 5 puntos|Nada por un partido aún no jugado. Máximo: 201 puntos'),
    49: ("predictionName", 'Nom du pronostic :', 'Name of the prediction:', 'Nombre del pronóstico:'),
    50: ("replacePrediction", 'Un pronostic nommé %1 est déjà gardé. Le remplacer ?', 'A prediction named %1 is kept already. Replace it?', 'Ya hay un pronóstico llamado %1. ¿Reemplazarlo?'),
    51: ("predictionKept", 'Pronostic gardé sous le nom %1.', 'Prediction kept as %1.', 'Pronóstico guardado como %1.'),
    52: ("notAPredictionChart", "%1 n'est pas un tableau : rien n'a été gardé.", '%1 is not a chart: nothing was kept.', '%1 no es un cuadro: no se ha guardado nada.'),
    155: ("otherTournamentChart", "%1 est le tableau d'un autre tournoi : rien n'a été gardé.", '%1 is the chart of another tournament: nothing was kept.', '%1 es el cuadro de otro torneo: no se ha guardado nada.'),
    156: ("myPrediction", 'Mon pronostic', 'My prediction', 'Mi pronóstico'),
    157: ("teamsUnlocked", 'Équipes débloquées', 'Teams unlocked', 'Equipos desbloqueados'),
    # A line of the rules where the format has a round of 32.
    158: ("roundOf32Rule", 'Chaque équipe en seizièmes : 1 point', 'Each team in the round of 32: 1 point',
          'Cada equipo en dieciseisavos: 1 punto'),
    53: ("predictionTooLarge", "%1 dépasse 1 Mio : ce n'est pas un tableau, rien n'a été gardé.", '%1 is over 1 MiB: not a chart, nothing was kept.', '%1 supera 1 MiB: no es un cuadro, no se ha guardado nada.'),
    54: ("predictionUnreadable", "%1 ne peut pas être lu : rien n'a été gardé.", '%1 cannot be read: nothing was kept.', '%1 no se puede leer: no se ha guardado nada.'),
    89: ("keepFailed", "Le pronostic n'a pas pu être gardé dans %1.", 'The prediction could not be kept in %1.', 'El pronóstico no se ha podido guardar en %1.'),
})
CONTROLS += [
    Control('Command22', None, fr=('Pronostics', "Les pronostics gardés, comptés d'après les résultats"), en=('Predictions', 'The kept predictions, scored against the results'), es=('Pronóst.', 'Los pronósticos guardados, puntuados según los resultados')),
    Control('Command23', None, fr=('Garder mon pronostic', "Garder ce tableau comme pronostic nommé : aucune mise à jour ne l'écrasera"), en=('Keep my prediction', 'Keep this chart as a named prediction: no update will overwrite it'), es=('Guardar mi pronóstico', 'Guardar este cuadro como pronóstico con nombre: ninguna actualización lo borrará')),
]

# The window's own confirmations, the editor's password, the shoot-out hint
# and the chart open in another window.
MESSAGES.update({
    106: ("wrongPassword", 'Mot de passe incorrect.', 'Wrong password.', 'Contraseña incorrecta.'),
    107: ("changesSaved", 'Modifications enregistrées : %1', 'Changes saved: %1', 'Cambios guardados: %1'),
    108: ("chartSaved", 'Tableau enregistré : %1', 'Chart saved: %1', 'Cuadro guardado: %1'),
    109: ("resultsLoaded", 'Résultats officiels chargés.', 'Official results loaded.', 'Resultados oficiales cargados.'),
    110: ("server", 'Serveur : %1', 'Server: %1', 'Servidor: %1'),
    111: ("shootOutHint", 'Tirs au but seulement à égalité', 'Penalties only after a draw', 'Penaltis solo tras un empate'),
    112: ("openElsewhere", 'Ce pronostic est déjà ouvert dans une autre fenêtre de Vylora 2010 : elle passe au premier plan.', 'These predictions are already open in another Vylora 2010 window: it is brought to the front.', 'Este pronóstico ya está abierto en otra ventana de Vylora 2010: se muestra en primer plano.'),
})
# The pool on the publisher's server, in the "Pronostics" window.
MESSAGES.update({
    113: ("poolTitle", 'Concours', 'Pool', 'Porra'),
    114: ("poolJoin", 'Rejoindre le concours', 'Join the pool', 'Unirse a la porra'),
    115: ("poolSend", 'Envoyer mon pronostic', 'Send my prediction', 'Enviar mi pronóstico'),
    116: ("poolHeaders", 'Pseudo|Points|Exacts|Bons résultats|Phase finale|Maximum|Peut gagner', 'Pseudo|Points|Exact|Right results|Knock-out|Maximum|Can still win', 'Seudónimo|Puntos|Exactos|Resultados|Fase final|Máximo|Puede ganar'),
    117: ("poolJoined", 'Inscrit au concours sous le pseudo %1.', 'Joined the pool as %1.', 'Inscrito en la porra como %1.'),
    118: ("poolSent", 'Pris : %1 match(s) pronostiqué(s) ; verrouillés : %2 match(s) ; %3.', 'Taken: %1 predicted match(es); locked: %2 match(es); %3.', 'Aceptados: %1 partido(s) pronosticado(s); cerrados: %2 partido(s); %3.'),
    119: ("poolBracket", 'phase finale prise|phase finale verrouillée', 'knock-out stage taken|knock-out stage locked', 'fase final aceptada|fase final cerrada'),
    120: ("poolRefused", 'Le serveur refuse : %1', 'The server refuses: %1', 'El servidor rechaza: %1'),
    121: ("poolPseudoPrompt", 'Pseudo pour le concours :', 'Pseudo for the pool:', 'Seudónimo para la porra:'),
    122: ("poolCodePrompt", 'Code du concours :', "The pool's code:", 'Código de la porra:'),
    123: ("poolYesNo", 'oui|non', 'yes|no', 'sí|no'),
})
# The printed sheet: its column headings and its two-line title, the year
# of the tournament standing for %1.
MESSAGES.update({
    124: ("sheetHeadings", 'Groupes|1/8|1/4|1/2|Finale|Petite Finale',
          'Groups|Last 16|Quarter-finals|Semi-finals|Final|Third place',
          'Grupos|Octavos|Cuartos|Semifinales|Final|Tercer puesto'),
    125: ("sheetTitle", 'Coupe du Monde|de Football %1', 'Football|World Cup %1', 'Copa Mundial|de Fútbol %1'),
})
# The help page's zone list: the entry that follows the computer's clock.
MESSAGES.update({
    126: ("computerClock", "Heure de l'ordinateur (%1)", "Computer's clock (%1)", 'Hora del ordenador (%1)'),
})
# The pages of the 48-team World Cup and the 24-team European Championship:
# the group cards, the thirds' ranking and its line, the bracket's rounds
# and where each side comes from, and the competition in the title.
MESSAGES.update({
    140: ("groupCaption", 'Groupe %1', 'Group %1', 'Grupo %1'),
    141: ("thirdsTitle", 'Meilleurs troisièmes', 'Best third-placed teams', 'Mejores terceros'),
    142: ("thirdsHeadings", 'Gr.|Équipe|Pts|+/-|BP', 'Gr.|Team|Pts|+/-|GF', 'Gr.|Equipo|Pts|+/-|GF'),
    143: ("thirdsTie", "Égalité sur la ligne : cliquez sur l'équipe qui passe.",
          'Level on the line: click the team that goes through.',
          'Empate en la línea: haga clic en el equipo que pasa.'),
    144: ("aheadOf", 'Devant %1 : %2', 'Ahead of %1: %2', 'Por delante de %1: %2'),
    145: ("criterionNames",
          'points|confrontations directes|différence de buts|buts marqués|victoires|tirs au but|fair-play|tirage au sort',
          'points|head-to-head|goal difference|goals scored|wins|shoot-out|fair play|drawing of lots',
          'puntos|enfrentamientos directos|diferencia de goles|goles marcados|victorias|penaltis|juego limpio|sorteo'),
    146: ("levelWith", 'À égalité avec %1 : seul un tirage au sort les départage.',
          'Level with %1: only a drawing of lots separates them.',
          'Empatado con %1: solo un sorteo los separa.'),
    147: ("roundNames", 'Seizièmes|Huitièmes|Quarts|Demies|Finale|Petite finale|Podium',
          'Round of 32|Round of 16|Quarter-finals|Semi-finals|Final|Third place|Podium',
          'Dieciseisavos|Octavos|Cuartos|Semifinales|Final|Tercer puesto|Podio'),
    148: ("slotOrigins",
          '1er du groupe %1|2e du groupe %1|3e du groupe %1 (table des troisièmes)|3e de l\'un des groupes %1|Vainqueur du match %1|Perdant du match %1',
          'Winner of group %1|Runner-up of group %1|Third of group %1 (table of the thirds)|Third of one of groups %1|Winner of match %1|Loser of match %1',
          '1.º del grupo %1|2.º del grupo %1|3.º del grupo %1 (tabla de los terceros)|3.º de uno de los grupos %1|Ganador del partido %1|Perdedor del partido %1'),
    149: ("euroTitle", "Championnat d'Europe de Football %1", 'UEFA European Championship %1',
          'Eurocopa de Fútbol %1'),
})
# "Nouveau tournoi": the user's own chart of a tournament to come, the
# question before leaving unsaved predictions for it, and the pool, which
# plays the 2010 World Cup whatever chart the window follows.
MESSAGES.update({
    150: ("newTournament", 'Nouveau tournoi', 'New tournament', 'Nuevo torneo'),
    151: ("ownCharts", 'Coupe du monde 2010|Championnat d\'Europe 2028|Coupe du monde 2030',
          'World Cup 2010|European Championship 2028|World Cup 2030',
          'Mundial 2010|Eurocopa 2028|Mundial 2030'),
    152: ("changeTournamentQuestion",
          "Votre pronostic a changé depuis le dernier enregistrement. Voulez-vous l'enregistrer avant de changer de tournoi ?",
          'Your predictions have changed since they were last saved. Do you want to save them before changing tournament?',
          'Su pronóstico ha cambiado desde la última vez que lo guardó. ¿Desea guardarlo antes de cambiar de torneo?'),
    153: ("chartNotStarted", "Le tableau %1 n'a pas pu être créé dans le dossier des données.",
          'The chart %1 could not be made in the data folder.',
          'No se ha podido crear el cuadro %1 en la carpeta de datos.'),
    154: ("poolOn2010", 'Le concours se joue sur la Coupe du monde 2010 : votre pronostic 2010 est envoyé.',
          'The pool plays the 2010 World Cup: your 2010 predictions are sent.',
          'La porra se juega sobre el Mundial 2010: se envía su pronóstico de 2010.'),
})
# The print window's choice of paper for the sheet, A4 or A3.
MESSAGES.update({
    190: ("paperChoice", 'Format du papier', 'Paper size', 'Tamaño del papel'),
})
# The pool's flow: one account per server, the server's reasons worded, the
# changes that came after their kick-off, and its ranking page.
MESSAGES.update({
    127: ("poolAccount", 'Inscrit sous %1', 'Joined as %1', 'Inscrito como %1'),
    128: ("poolJoinAgain",
          "Vous êtes déjà inscrit sous %1 sur ce serveur. Une nouvelle inscription laisse l'ancienne telle qu'elle est : ce programme ne pourra plus y envoyer de pronostic. S'inscrire sous un autre pseudo ?",
          'You have already joined as %1 on this server. A new entry leaves the old one as it stands: this program will no longer send predictions to it. Join under another pseudo?',
          'Ya está inscrito como %1 en este servidor. Una nueva inscripción deja la anterior tal como está: este programa ya no podrá enviarle pronósticos. ¿Inscribirse con otro seudónimo?'),
    129: ("poolWrongCode", 'Le code du concours est faux.', "The pool's code is wrong.", 'El código de la porra es incorrecto.'),
    130: ("poolTaken", 'Le pseudo %1 est déjà pris.|Tapez-en un autre :', 'The pseudo %1 is already taken.|Type another one:', 'El seudónimo %1 ya está cogido.|Escriba otro:'),
    131: ("poolLate", 'Trop tard, match déjà commencé : %1|la phase finale', 'Too late, already kicked off: %1|the knock-out stage', 'Demasiado tarde, partido ya empezado: %1|la fase final'),
    132: ("poolRankingLink", 'Classement en ligne', 'Ranking online', 'Clasificación en línea'),
    133: ("poolBadPseudo", 'Le pseudo doit compter 1 à 32 caractères visibles, dont une lettre ou un chiffre.', 'A pseudo has 1 to 32 visible characters, a letter or a digit among them.', 'El seudónimo debe tener de 1 a 32 caracteres visibles, con al menos una letra o una cifra.'),
    134: ("poolWait", "Trop d'essais : réessayez dans %1 s.", 'Too many tries: try again in %1 s.', 'Demasiados intentos: vuelva a intentarlo en %1 s.'),
})
# The pool's and the publisher's refusals by their code, and the causes of
# "Erreur de connexion !" that belong to the pool: no pool on the server,
# and a server that refuses the connection.
MESSAGES.update({
    170: ("poolNoPool", "Ce serveur n'a pas de concours.", 'This server has no pool.',
          'Este servidor no tiene porra.'),
    171: ("connectionRefused", 'Le serveur refuse la connexion.', 'The server refuses the connection.',
          'El servidor rechaza la conexión.'),
    172: ("poolWrongToken", "Ce serveur ne connaît plus votre inscription : rejoignez le concours à nouveau.",
          'This server no longer knows your entry: join the pool again.',
          'Este servidor ya no reconoce su inscripción: vuelva a unirse a la porra.'),
    173: ("poolLocked", "Les pronostics de ce match restent scellés jusqu'au coup d'envoi.",
          'The predictions of this match stay sealed until kick-off.',
          'Los pronósticos de este partido siguen sellados hasta el inicio.'),
    174: ("poolTooLarge", 'Le fichier envoyé dépasse 1 Mo.', 'The file sent is over 1 MB.',
          'El archivo enviado supera 1 MB.'),
    175: ("poolNotStarted", "Aucun tableau n'est publié : le concours n'a pas commencé.",
          'No chart is published: the pool has not started.',
          'No hay ningún cuadro publicado: la porra no ha empezado.'),
    176: ("poolNotAChart", "Le fichier envoyé n'est pas un tableau 2010 entier.",
          'The file sent is not a whole 2010 chart.', 'El archivo enviado no es un cuadro 2010 completo.'),
    177: ("serverBusy", 'Le serveur est occupé : réessayez dans un instant.',
          'The server is busy: try again in a moment.', 'El servidor está ocupado: vuelva a intentarlo en un momento.'),
    178: ("poolUnknownPlayer", "Aucun joueur ne s'appelle %1.", 'No player is called %1.',
          'Ningún jugador se llama %1.'),
})

# The draw of lots puts the clicked team ahead of every team level with it.
CONTROLS = [c if (c.name, c.index) != ("LabAide", 1) else c._replace(fr=("Si « Tirage au sort ! » s'affiche dans un groupe, deux équipes sont à égalité parfaite : cliquez sur le nom de celle qui doit passer devant toutes les équipes à égalité avec elle.", ''), en=('If “Draw lots!” appears in a group, two teams are exactly level: click the name of the one that should go ahead of every team level with it.', ''), es=('Si aparece «¡Sorteo!» en un grupo, dos equipos están empatados en todo: haga clic en el nombre del que debe pasar por delante de todos los equipos empatados con él.', '')) for c in CONTROLS]

# The help page's time zone list.
CONTROLS += [
    Control("LabAideTitre", 5, fr=("Heure des matches", ""), en=("Kick-off times", ""), es=("Hora de los partidos", "")),
    Control("LabAide", 10, fr=("Les heures de coup d'envoi sont données à l'heure de ce fuseau :", ""),
            en=("Kick-off times are given on the clock of this time zone:", ""),
            es=("Las horas de inicio se dan en la hora de esta zona horaria:", "")),
]

# The teams' names as the charts store them (French) and as the English and
# Spanish window shows them.
TEAM_NAMES = [
    ('Afrique du Sud', 'South Africa', 'Sudáfrica'),
    ('Mexique', 'Mexico', 'México'),
    ('Uruguay', 'Uruguay', 'Uruguay'),
    ('France', 'France', 'Francia'),
    ('Argentine', 'Argentina', 'Argentina'),
    ('Nigeria', 'Nigeria', 'Nigeria'),
    ('Corée du Sud', 'South Korea', 'Corea del Sur'),
    ('Grèce', 'Greece', 'Grecia'),
    ('Angleterre', 'England', 'Inglaterra'),
    ('États-Unis', 'United States', 'Estados Unidos'),
    ('Algérie', 'Algeria', 'Argelia'),
    ('Slovénie', 'Slovenia', 'Eslovenia'),
    ('Allemagne', 'Germany', 'Alemania'),
    ('Australie', 'Australia', 'Australia'),
    ('Serbie', 'Serbia', 'Serbia'),
    ('Ghana', 'Ghana', 'Ghana'),
    ('Pays-Bas', 'Netherlands', 'Países Bajos'),
    ('Danemark', 'Denmark', 'Dinamarca'),
    ('Japon', 'Japan', 'Japón'),
    ('Cameroun', 'Cameroon', 'Camerún'),
    ('Italie', 'Italy', 'Italia'),
    ('Paraguay', 'Paraguay', 'Paraguay'),
    ('Nouvelle-Zélande', 'New Zealand', 'Nueva Zelanda'),
    ('Slovaquie', 'Slovakia', 'Eslovaquia'),
    ('Brésil', 'Brazil', 'Brasil'),
    ('Corée du Nord', 'North Korea', 'Corea del Norte'),
    ("Côte d'Ivoire", 'Ivory Coast', 'Costa de Marfil'),
    ('Portugal', 'Portugal', 'Portugal'),
    ('Espagne', 'Spain', 'España'),
    ('Suisse', 'Switzerland', 'Suiza'),
    ('Honduras', 'Honduras', 'Honduras'),
    ('Chili', 'Chile', 'Chile'),
    ('Écosse', 'Scotland', 'Escocia'),
    ('Maroc', 'Morocco', 'Marruecos'),
    ('Norvège', 'Norway', 'Noruega'),
    ('Autriche', 'Austria', 'Austria'),
    ('Arabie saoudite', 'Saudi Arabia', 'Arabia Saudita'),
    ('Bulgarie', 'Bulgaria', 'Bulgaria'),
    ('Belgique', 'Belgium', 'Bélgica'),
    ('Yougoslavie', 'Yugoslavia', 'Yugoslavia'),
    ('Iran', 'Iran', 'Irán'),
    ('Colombie', 'Colombia', 'Colombia'),
    ('Tunisie', 'Tunisia', 'Túnez'),
    ('Roumanie', 'Romania', 'Rumania'),
    ('Jamaïque', 'Jamaica', 'Jamaica'),
    ('Croatie', 'Croatia', 'Croacia'),
    ('Sénégal', 'Senegal', 'Senegal'),
    ('Turquie', 'Turkey', 'Turquía'),
    ('Chine', 'China', 'China'),
    ('Costa Rica', 'Costa Rica', 'Costa Rica'),
    ('Pologne', 'Poland', 'Polonia'),
    ('Irlande', 'Ireland', 'Irlanda'),
    ('Suède', 'Sweden', 'Suecia'),
    ('Équateur', 'Ecuador', 'Ecuador'),
    ('Russie', 'Russia', 'Rusia'),
    ('Trinité-et-Tobago', 'Trinidad and Tobago', 'Trinidad y Tobago'),
    ('Serbie-et-Monténégro', 'Serbia and Montenegro', 'Serbia y Montenegro'),
    ('Angola', 'Angola', 'Angola'),
    ('République tchèque', 'Czech Republic', 'República Checa'),
    ('Togo', 'Togo', 'Togo'),
    ('Ukraine', 'Ukraine', 'Ucrania'),
    ('Bosnie-Herzégovine', 'Bosnia and Herzegovina', 'Bosnia y Herzegovina'),
    ('Égypte', 'Egypt', 'Egipto'),
    ('Pérou', 'Peru', 'Perú'),
    ('Islande', 'Iceland', 'Islandia'),
    ('Panama', 'Panama', 'Panamá'),
    ('Qatar', 'Qatar', 'Catar'),
    ('Canada', 'Canada', 'Canadá'),
    ('Pays de Galles', 'Wales', 'Gales'),
    ('Albanie', 'Albania', 'Albania'),
    ('Irlande du Nord', 'Northern Ireland', 'Irlanda del Norte'),
    ('Hongrie', 'Hungary', 'Hungría'),
    ('Finlande', 'Finland', 'Finlandia'),
    ('Macédoine du Nord', 'North Macedonia', 'Macedonia del Norte'),
    ('Géorgie', 'Georgia', 'Georgia'),
    ('Haïti', 'Haiti', 'Haití'),
    ('Curaçao', 'Curaçao', 'Curazao'),
    ('Cap-Vert', 'Cape Verde', 'Cabo Verde'),
    ('Irak', 'Iraq', 'Irak'),
    ('Jordanie', 'Jordan', 'Jordania'),
    ('RD Congo', 'DR Congo', 'RD Congo'),
    ('Ouzbékistan', 'Uzbekistan', 'Uzbekistán'),
]


# A language's words: messages by entry, (caption, tooltip) by (control,
# index), the shown team names by the names the charts store.
Words = namedtuple("Words", "messages controls teams")


def table_words(language):
    column = TABLE_LANGUAGES.index(language)
    return Words({entry: texts[column] for entry, (_, *texts) in MESSAGES.items()},
                 {(c.name, c.index): getattr(c, language) for c in CONTROLS},
                 {stored: ([stored] + shown)[column] for stored, *shown in TEAM_NAMES})


def module_words(language):
    module = importlib.import_module("languages." + language)
    return Words(module.MESSAGES, module.CONTROLS, module.TEAM_NAMES)


def words_of(language):
    return table_words(language) if language in TABLE_LANGUAGES else module_words(language)


# What a text must keep of the French one: its placeholders and the parts
# that the program splits at "|".
def shape(text):
    return sorted(re.findall(r"%\d", text)), text.count("|")


def key_name(kind, key):
    if kind == "control":
        name, index = key
        return name if index is None else "%s %d" % (name, index)
    return str(key)


def problems(language, words, french):
    """Everything that keeps the words of `language` from making a whole file."""
    found = []
    for kind, own, reference in (("message", words.messages, french.messages),
                                 ("control", words.controls, french.controls),
                                 ("team", words.teams, french.teams)):
        for key in reference.keys() - own.keys():
            found.append("%s: no %s %s" % (language, kind, key_name(kind, key)))
        for key in own.keys() - reference.keys():
            found.append("%s: %s %s is not in the French table" % (language, kind, key_name(kind, key)))
        for key in own.keys() & reference.keys():
            # A control has two fields, a message or a team one.
            texts, references = own[key], reference[key]
            if kind != "control":
                texts, references = (texts,), (references,)
            for text, ref in zip(texts, references):
                # An empty field empties the control, a filled one where
                # French has none fills a picture or a cell with words.
                if bool(text) != bool(ref) or shape(text) != shape(ref):
                    found.append("%s: %s %s reads %r where French reads %r"
                                 % (language, kind, key_name(kind, key), text, ref))
    return sorted(found)


# A blank chart holds the draw's places (A1 .. L4) until the teams are drawn;
# every language shows them as they are.
DRAW_PLACE = re.compile(r"[A-L][1-4]")


def chart_team_names(chart):
    """The names of the teams of a chart file's groups (sections EquipA, EquipB, ...)."""
    names, in_group = set(), False
    for entry in chart.read_bytes().decode("cp1252").split("\r\n"):
        if entry.startswith("["):
            in_group = re.fullmatch(r"\[Equip[A-L]\]", entry) is not None
        elif in_group and "=" in entry:
            name = entry.split("=", 1)[1]
            if name and not DRAW_PLACE.fullmatch(name):
                names.add(name)
    return names


def teams_missing(charts):
    stored = {name for name, *_ in TEAM_NAMES}
    return sorted("team %s of %s has no entry in TEAM_NAMES" % (name, chart.name)
                  for chart in charts for name in chart_team_names(chart) - stored)


def line(*fields):
    for field in fields:
        if "\\" in field or "\r" in field or "\n" in field:
            raise ValueError("a field cannot hold a backslash or a line end: %r" % field)
    return "\\".join(fields)


def lines(language, words):
    """In the order of the French table, whatever order a module keeps."""
    for entry in sorted(MESSAGES):
        yield line("MSG", words.messages[entry], str(entry))
    for control in CONTROLS:
        caption, tooltip = words.controls[(control.name, control.index)]
        index = "" if control.index is None else str(control.index)
        yield line(control.name, caption, "", tooltip, index)
    # French shows the names as the charts store them.
    if language != "fr":
        for stored, *_ in TEAM_NAMES:
            yield line("EQU", stored, words.teams[stored])


def file_bytes(language, words):
    """Strict: a character outside Windows-1252 stops the run."""
    encoded = []
    for entry in lines(language, words):
        try:
            encoded.append(entry.encode("cp1252") + b"\r\n")
        except UnicodeEncodeError as error:
            raise ValueError("%s: %r cannot be written in Windows-1252" % (language, entry)) from error
    return b"".join(encoded)


def catalogue():
    """The header that names every entry, so that the code holds no entry numbers."""
    names = [name for name, *_ in MESSAGES.values()]
    duplicates = {name for name in names if names.count(name) > 1}
    if duplicates:
        raise ValueError("two entries named %s" % ", ".join(sorted(duplicates)))
    entries = sorted((entry, name, fr) for entry, (name, fr, *_) in MESSAGES.items())
    # Aligned as clang-format aligns trailing comments.
    width = max(len("%s = %d," % (name, entry)) for entry, name, _ in entries)
    return "".join([
        "// Written by scripts/make_language_files.py with the language files: edit\n",
        "// its table and run it rather than editing this file.\n",
        "#pragma once\n\n#include <array>\n\n",
        "// The entries of the message table that the code puts on screen, by what\n",
        "// they say; the numbers are those of the language files' MSG lines.\n",
        "enum class Message {\n",
        *["    %-*s // %s\n" % (width, "%s = %d," % (name, entry), fr if len(fr) <= 60 else fr[:57] + "...")
          for entry, name, fr in entries],
        "};\n\n",
        "// Every entry: each language file sets them all.\n",
        "inline constexpr std::array<Message, %d> everyMessage{\n" % len(entries),
        *["    Message::%s,\n" % name for _, name, _ in entries],
        "};\n\n",
        "// The French of an entry: what the program says while no language file\n",
        "// has set it, and the text every other language is checked against.\n",
        "constexpr const char16_t *frenchText(Message entry)\n{\n    switch (entry) {\n",
        *["    case Message::%s:\n        return %s;\n" % (name, cpp_string(fr)) for _, name, fr in entries],
        "    }\n    return u\"\";\n}\n",
    ])


def cpp_string(text):
    return 'u"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


def control_catalogue():
    """The French control lines, for the controls to take when they are built."""
    french = table_words("fr").controls
    rows = []
    for control in CONTROLS:
        caption, tooltip = french[(control.name, control.index)]
        rows.append("    {%s, %d, %s, %s},\n" % (cpp_string(control.name), -1 if control.index is None else control.index,
                                               cpp_string(caption), cpp_string(tooltip)))
    return "".join([
        "// Written by scripts/make_language_files.py with the language files: edit\n",
        "// its table and run it rather than editing this file.\n",
        "#pragma once\n\n#include <array>\n\n",
        "// A control line of the French file: the caption and tooltip that the\n",
        "// control named `name` (element `index`, -1 for every element) takes when it\n",
        "// is built, before any language file is applied.\n",
        "struct ControlWords\n{\n    const char16_t *name;\n    int index;\n",
        "    const char16_t *caption;\n    const char16_t *toolTip;\n};\n\n",
        "inline constexpr std::array<ControlWords, %d> frenchControls{{\n" % len(rows),
        *rows,
        "}};\n",
    ])


def generated():
    """Every file the run writes, by path, with its bytes."""
    words = {language: words_of(language) for language, _ in LANGUAGES}
    found = teams_missing(sorted(DATA.glob("*.ini")))
    for language, _ in LANGUAGES:
        found += problems(language, words[language], words["fr"])
    if found:
        raise SystemExit("Nothing written:\n  " + "\n  ".join(found))
    contents = {DATA / file_name: file_bytes(language, words[language]) for language, file_name in LANGUAGES}
    contents[CATALOGUE] = catalogue().encode("utf-8")
    contents[CONTROL_CATALOGUE] = control_catalogue().encode("utf-8")
    return contents


def stale(contents):
    """The files on disk that differ from what the run would write."""
    return sorted(str(path.relative_to(DATA.parent)) for path, content in contents.items()
                  if not path.exists() or path.read_bytes() != content)


def main():
    contents = generated()
    if "--check" in sys.argv[1:]:
        differing = stale(contents)
        if differing:
            raise SystemExit("Not what scripts/make_language_files.py writes (run it and commit):\n  "
                             + "\n  ".join(differing))
        return
    for path, content in contents.items():
        path.write_bytes(content)


if __name__ == "__main__":
    main()
