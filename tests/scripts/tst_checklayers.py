#!/usr/bin/env python3
"""The layer check against a small tree: clean, then one fault per row."""

import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from check_layers import check  # noqa: E402

CMAKE = """vylora_layer(base Qt6::Core)  # vylora_layer(top vylora_base) in a comment is no call
vylora_layer(mid vylora_base)
vylora_layer(gui/top vylora_base vylora_mid
             Qt6::Widgets)
add_library(vylora_app STATIC ${sources})
target_link_libraries(vylora_app PUBLIC vylora_settings vylora_gui_top)
add_executable(vylora app/main.cpp)
target_link_libraries(vylora PRIVATE vylora_app)
"""
FILES = {
    "base/Base.h": "#pragma once\n",
    "mid/Mid.cpp": '#include "mid/Mid.h"\n#include "base/Base.h"\n#include <QString>\n',
    "gui/top/Top.cpp": '#include "mid/Mid.h"\n#include "base/Base.h"\n',
    "app/App.cpp": '#include "gui/top/Top.h"\n',
    "app/main.cpp": '#include "app/App.h"\n',
}

# (what is wrong, file changed, text appended or (old, new), the one fault reported)
ROWS = [
    ("include of a higher layer", "base/Base.h", '#include "mid/Mid.h"\n',
     "src/base/Base.h includes mid/Mid.h: a higher layer"),
    ("include of a room not linked", "app/App.cpp", '#  include "base/Base.h"\n',
     "src/app/App.cpp includes base/Base.h: a room vylora_app does not link"),
    ("the executable's own file", "app/main.cpp", '#include "gui/top/Top.h"\n',
     "src/app/main.cpp includes gui/top/Top.h: a room vylora does not link"),
    # Reported once: linking it upward is the fault, not that nothing uses it.
    ("a link to a higher layer", "CMakeLists.txt", ("vylora_mid\n", "vylora_mid vylora_app\n"),
     "vylora_gui_top links vylora_app, a higher layer"),
    ("a link no file includes", "CMakeLists.txt", ("PRIVATE vylora_app", "PRIVATE vylora_app vylora_mid"),
     "vylora links vylora_mid, which none of its files includes"),
]


def tree(root, changed=None, change=None):
    files = dict(FILES, **{"CMakeLists.txt": CMAKE})
    if changed:
        files[changed] = files[changed] + change if isinstance(change, str) else files[changed].replace(*change)
    for name, text in files.items():
        (root / name).parent.mkdir(parents=True, exist_ok=True)
        (root / name).write_text(text)
    return root


class CheckLayers(unittest.TestCase):
    def test_clean_tree_passes(self):
        with tempfile.TemporaryDirectory() as folder:
            faults, links = check(tree(Path(folder)))
        self.assertEqual(faults, [])
        self.assertEqual(links, 5)

    def test_each_fault_is_reported(self):
        for what, changed, change, fault in ROWS:
            with self.subTest(what), tempfile.TemporaryDirectory() as folder:
                faults, _ = check(tree(Path(folder), changed, change))
                self.assertEqual(faults, [fault])


if __name__ == "__main__":
    unittest.main()
