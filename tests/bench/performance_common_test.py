"""What both benchmark scripts share, on which every figure of docs/performance.md rests: the
programs started in turn with the warm-up left out, each ratio the program's over its floor's,
and the Windows section kept in its place when either script writes the file."""

import tempfile
import unittest
from pathlib import Path

from bench.common.performance import (WINDOWS_BEGIN, WINDOWS_END, kept_windows_section,
                                      median_samples, start_in_turn, start_rows,
                                      write_windows_section)


class StartsInTurn(unittest.TestCase):
    def test_programs_alternate_and_the_warm_up_is_left_out(self):
        started = []

        def start(name):
            started.append(name)
            return len(started), 100 * len(started)

        samples = start_in_turn(("program", "floor"), runs=2, warm_up=1, start=start)
        self.assertEqual(started, ["program", "floor"] * 3)
        self.assertEqual(samples, {"program": [(3, 300), (5, 500)], "floor": [(4, 400), (6, 600)]})
        self.assertEqual(median_samples({"p": [(1, 10), (9, 90), (2, 20)]}), {"p": (2, 20)})


class StartRows(unittest.TestCase):
    def test_each_ratio_is_the_programs_over_the_floors_and_met_up_to_its_target(self):
        time_row, memory_row = start_rows((110.0, 2048), (100.0, 1024), 1.10, 1.05)
        self.assertEqual(time_row[1:], ["110.0", "100.0", "1.10", "≤ 1.10", "met"])
        self.assertEqual(memory_row[1:], ["2.0", "1.0", "2.00", "≤ 1.05", "**not met**"])


class WindowsSection(unittest.TestCase):
    def test_written_in_place_of_the_old_one_and_kept_by_the_qt_figures(self):
        section = f"{WINDOWS_BEGIN}\nnew figures\n{WINDOWS_END}"
        with tempfile.TemporaryDirectory() as folder:
            document = Path(folder) / "performance.md"
            document.write_text(f"# Performance\n\nQt\n\n{WINDOWS_BEGIN}\nold\n{WINDOWS_END}\ntail\n")
            write_windows_section(document, section)
            self.assertEqual(document.read_text(), f"# Performance\n\nQt\n\n{section}\ntail\n")
            self.assertEqual(kept_windows_section(document), f"\n{section}\ntail\n")
            document.unlink()
            write_windows_section(document, section)
            self.assertEqual(document.read_text(), f"# Performance\n\n{section}\n")


if __name__ == "__main__":
    unittest.main()
