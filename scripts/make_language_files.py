#!/usr/bin/env python3
"""Writes the shipped language files data/langFr.txt, langEn.txt and langSp.txt.

The three files have to name the same controls and the same messages: a
switch only rewrites what the new file names, so anything one file sets and
another does not stays in the previous language. Keeping the three
translations side by side in one table keeps them in step.

A control line is "name\\caption\\text\\tooltip\\index" and every field is
applied, empty ones included. No line here gives a text: the only controls
that have one are the user's score and team cells and the calendar's day
pickers, which a language switch must never overwrite. For the same reason
no line names a cell whose caption the chart computes (tie notices, tables,
match labels, bracket, podium, goal total, news).

Run it after editing a translation; tests/app/tst_languagefiles.cpp checks
the result against the window.
"""

from collections import namedtuple
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "data"

LANGUAGES = (("fr", "langFr.txt"), ("en", "langEn.txt"), ("es", "langSp.txt"))

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
            fr=("Mise à jour", "Télécharger les résultats officiels (bientôt)"),
            en=("Update", "Download the official results (coming soon)"),
            es=("Actualizar", "Descargar los resultados oficiales (próximamente)")),
    Control("Command6", None,
            fr=("Aide", ""),
            en=("Help", ""),
            es=("Ayuda", "")),
    Control("Command13", None,
            fr=("", "Imprimer le tableau (bientôt)"),
            en=("", "Print the chart (coming soon)"),
            es=("", "Imprimir el cuadro (próximamente)")),
    Control("Command21", None,
            fr=("Stats", "Statistiques du tournoi (bientôt)"),
            en=("Statistics", "Tournament statistics (coming soon)"),
            es=("Estadíst.", "Estadísticas del torneo (próximamente)")),
    Control("Command11", None,
            fr=("Historique", "Coupes du monde 1998, 2002 et 2006 (bientôt)"),
            en=("History", "World Cups 1998, 2002 and 2006 (coming soon)"),
            es=("Historial", "Mundiales de 1998, 2002 y 2006 (próximamente)")),
    Control("Command15", None,
            fr=("Calendrier", ""),
            en=("Calendar", ""),
            es=("Calendario", "")),
    Control("Label3", None,
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

    # Results update, links and the publishing editor.

    # History panel and statistics window.

    # Print window.

    # Why each place and what each team needs.
]

# Entry: (French, English, Spanish).
MESSAGES = {
    # The knock-out button while the bracket is closed, and while it is open.
    1: ("Phase Finale", "Knockout stage", "Fase final"),
    2: ("Phase de Groupes", "Group stage", "Fase de grupos"),
    # A complete group with an exact tie.
    3: ("Tirage au sort !", "Draw lots!", "¡Sorteo!"),
    # The results download and its title.
    4: ("Voulez-vous télécharger les résultats officiels ? Ils remplaceront votre pronostic.",
        "Do you want to download the official results? They will replace your predictions.",
        "¿Desea descargar los resultados oficiales? Sustituirán a sus pronósticos."),
    5: ("Mise à jour", "Update", "Actualización"),
    # Heads the year lists of past tournaments.
    6: ("Choisir l'année...", "Choose a year...", "Elegir el año..."),
    # Calendar rows of a day without matches, above "!!!".
    7: ("Pas de match", "No matches", "¡No hay partidos"),
    8: ("ce jour-là", "on this day", "ese día"),
    # Statistics window: title before the year, goals, headings, group-stage exit.
    9: ("Statistiques de la Coupe du Monde", "Statistics – World Cup", "Estadísticas del Mundial"),
    10: ("buts", "goals", "goles"),
    11: ("Meilleurs buteurs :", "Goals by team:", "Goles por equipo:"),
    13: ("Classement :", "Final ranking:", "Clasificación final:"),
    14: ("1er tour", "group stage", "fase de grupos"),
    # A failed save; %1 is the file.
    15: ("Le pronostic n'a pas pu être enregistré dans le fichier %1.",
         "Your predictions could not be saved to the file %1.",
         "No se han podido guardar los pronósticos en el archivo %1."),

    # 17-29: navigation, help and quitting.

    # 30-44: results update, links and the publishing editor.

    # 45-54: history and statistics.

    # 55-64: print window.

    # 65-84: why each place and what each team needs.

    # 85-95: reading and writing files.
    # A chart file that holds no chart; %1 the file, %2 where it is kept.
    85: ("Le fichier %1 ne contient pas de pronostic. Il est conservé sous le nom %2 et une grille vide est affichée.",
         "The file %1 does not hold a chart. It has been kept as %2, and an empty chart is shown.",
         "El archivo %1 no contiene ningún pronóstico. Se ha conservado con el nombre %2 y se muestra un cuadro vacío."),
    # A chart file far larger than any chart; %1 the file.
    86: ("Le fichier %1 est trop volumineux pour être un pronostic. Il n'a pas été chargé et aucun enregistrement ne l'écrasera.",
         "The file %1 is too large to be a chart. It has not been loaded, and saving will not overwrite it.",
         "El archivo %1 es demasiado grande para ser un pronóstico. No se ha cargado y ningún guardado lo sobrescribirá."),
    # The same for a language file.
    87: ("Le fichier de langue %1 est trop volumineux : il n'a pas été appliqué.",
         "The language file %1 is too large, so it has not been applied.",
         "El archivo de idioma %1 es demasiado grande, así que no se ha aplicado."),
    # A team name refuses a character that the chart file cannot hold.
    88: ("Le caractère « %1 » ne peut pas être enregistré dans le fichier du pronostic.",
         "The character “%1” cannot be stored in the chart file.",
         "El carácter «%1» no se puede guardar en el archivo del pronóstico."),

    # Tooltip of the penalty cells. A control line cannot carry it: its
    # empty text field would wipe the penalties the user typed.
    16: ("Tirs au but", "Penalty shoot-out", "Tanda de penaltis"),
}


def line(*fields):
    for field in fields:
        if "\\" in field or "\r" in field or "\n" in field:
            raise ValueError("a field cannot hold a backslash or a line end: %r" % field)
    return "\\".join(fields)


def lines(language):
    column = [code for code, _ in LANGUAGES].index(language)
    for entry, texts in sorted(MESSAGES.items()):
        yield line("MSG", texts[column], str(entry))
    for control in CONTROLS:
        caption, tooltip = getattr(control, language)
        index = "" if control.index is None else str(control.index)
        yield line(control.name, caption, "", tooltip, index)


def main():
    for language, file_name in LANGUAGES:
        text = "".join(entry + "\r\n" for entry in lines(language))
        # Strict: a character outside Windows-1252 stops the run.
        (DATA / file_name).write_bytes(text.encode("cp1252"))


if __name__ == "__main__":
    main()
