#!/usr/bin/env python3
"""tools/include-graph run over small trees written for each case."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "tools", "include-graph")


class IncludeGraphTest(unittest.TestCase):
    def run_on(self, files):
        """Writes {path: text} under a fresh source root and runs the script over it."""
        with tempfile.TemporaryDirectory() as work:
            root = os.path.join(work, "src")
            for path, text in files.items():
                os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
                with open(os.path.join(root, path), "w") as f:
                    f.write(text)
            widgets = os.path.join(work, "QtWidgets")
            os.makedirs(widgets)
            for header in ("QWidget", "QLineEdit", "qlineedit.h"):
                open(os.path.join(widgets, header), "w").close()
            done = subprocess.run([sys.executable, SCRIPT, root, "--qt-widgets-headers", widgets],
                                  capture_output=True, text=True)
            return done.returncode, done.stdout

    def test_edges_count_includes_resolved_as_the_compiler_does(self):
        code, out = self.run_on({
            "core/graphing/Units.h": "",
            "core/graphing/Units.cpp": '#include "graphing/Units.h"\n',
            "ui/graphing/frmGraph.h": '#include "graphing/Units.h"\n',
            "ui/shell/Main.cpp": ('#include "graphing/Units.h"\n'
                                  '  #  include "graphing/frmGraph.h" // spaced\n'
                                  '// #include "dynamic/Gone.h"\n'
                                  '#include "Local.h"\n#include "ui_generated.h"\n#include <QWidget>\n'),
            "ui/shell/Local.h": '#include "platform/Twips.h"\n',
            "ui/platform/Twips.h": "",
            # The same name in both halves: a ui file finds its own half's.
            "core/platform/Twips.h": "",
        })
        self.assertEqual(code, 0, out)
        self.assertEqual(out.splitlines(), [
            "ui/graphing -> core/graphing: 1",
            "ui/shell -> core/graphing: 1",
            "ui/shell -> ui/graphing: 1",
            "ui/shell -> ui/platform: 1",
        ])

    def test_cycles_are_shown_with_the_includes_that_make_them(self):
        code, out = self.run_on({
            "a/A.cpp": '#include "b/B.h"\n',
            "b/B.h": '#include "c/C.h"\n',
            "c/C.h": '#include "a/A.h"\n#include "b/B.h"\n',
            "a/A.h": "",
            "d/D.h": '#include "a/A.h"\n',
        })
        self.assertEqual(code, 1)
        self.assertIn("cycle: b -> c -> b\n", out)
        self.assertIn("cycle: a -> b -> c -> a\n", out)
        self.assertEqual(out.count("cycle:"), 2)
        self.assertIn("c -> a:\n  c/C.h:1: includes a/A.h\n", out)
        self.assertIn("c -> b:\n  c/C.h:2: includes b/B.h\n", out)
        self.assertNotIn("d -> a:\n", out)  # on no cycle

    def test_qt_widgets_in_the_core_fail_and_in_the_ui_do_not(self):
        code, out = self.run_on({
            "core/graphing/Plot.cpp": ('#include <QString>\n#include <QLineEdit>\n'
                                       '#include <QtWidgets/QWidget>\n#include <QtWidgets>\n'),
            "ui/graphing/frmGraph.cpp": '#include <QLineEdit>\n#include <QtWidgets/QWidget>\n',
        })
        self.assertEqual(code, 1)
        widget_lines = [line for line in out.splitlines() if line.startswith("  ")]
        self.assertEqual(widget_lines, [
            "  core/graphing/Plot.cpp:2: includes <QLineEdit>",
            "  core/graphing/Plot.cpp:3: includes <QtWidgets/QWidget>",
            "  core/graphing/Plot.cpp:4: includes <QtWidgets>",
        ])


if __name__ == "__main__":
    unittest.main()
