"""Measures the time from process start to "TESSIMORA_PRET" over several
starts and prints the median. Not part of the test suite: a measurement.

    TESSIMORA_EXE=construction/essais/tessimora python3 tests/essais/mesurer_demarrage.py [N]
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402


def main():
    fois = int(sys.argv[1]) if len(sys.argv) > 1 else 10
    durees = []
    for _ in range(fois):
        with Partie() as p:
            p.attendre("^TESSIMORA_PRET$")
            durees.append(next(t for t, l in p.lignes if l == "TESSIMORA_PRET"))
    durees_ms = [round(d * 1000) for d in durees]
    print(f"start to TESSIMORA_PRET over {fois} starts: median {statistics.median(durees_ms)} ms, "
          f"min {min(durees_ms)} ms, max {max(durees_ms)} ms")


if __name__ == "__main__":
    main()
