#!/usr/bin/env python3
"""The language files' generator refuses a language that is not whole: the
German words as they are, then one fault per row."""

import copy
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import make_language_files as generator  # noqa: E402


def drop(kind, key):
    return lambda words: getattr(words, kind).pop(key)


def put(kind, key, value):
    return lambda words: getattr(words, kind).__setitem__(key, value)


# (what is wrong, change to the German words, the one problem reported)
ROWS = [
    ("a message missing", drop("messages", 3), "de: no message 3"),
    ("a control missing", drop("controls", ("LabAide", 3)), "de: no control LabAide 3"),
    ("a team missing", drop("teams", "Écosse"), "de: no team Écosse"),
    ("an entry the table lacks", put("messages", 999, "Neu"), "de: message 999 is not in the French table"),
    ("a placeholder lost", put("messages", 15, "Speichern fehlgeschlagen."),
     "de: message 15 reads 'Speichern fehlgeschlagen.' where French reads "
     "\"Le pronostic n'a pas pu être enregistré dans le fichier %1.\""),
    ("a part lost", put("messages", 123, "ja"), "de: message 123 reads 'ja' where French reads 'oui|non'"),
    ("a caption on a picture", put("controls", ("Label12", None), ("X", "Entsperren")),
     "de: control Label12 reads 'X' where French reads ''"),
]


class LanguageGenerator(unittest.TestCase):
    def setUp(self):
        self.french = generator.words_of("fr")
        self.german = generator.words_of("de")

    def test_whole_language_passes(self):
        self.assertEqual(generator.problems("de", self.german, self.french), [])

    def test_each_fault_is_reported(self):
        for what, change, problem in ROWS:
            with self.subTest(what):
                german = copy.deepcopy(self.german)
                change(german)
                self.assertEqual(generator.problems("de", german, self.french), [problem])

    def test_a_chart_team_needs_an_entry(self):
        with tempfile.TemporaryDirectory() as folder:
            chart = Path(folder) / "ATL2034.ini"
            # The draw's places of a blank chart are no teams.
            chart.write_bytes("[EquipA]\r\n1=Écosse\r\n2=Atlantide\r\n3=A3\r\n[ButA]\r\n0=Lémurie\r\n"
                              .encode("cp1252"))
            self.assertEqual(generator.teams_missing([chart]),
                             ["team Atlantide of ATL2034.ini has no entry in TEAM_NAMES"])


if __name__ == "__main__":
    unittest.main()
