#!/usr/bin/env python3
"""Writes the "Validation" tables of README.md: the worst deviation of every
fluid property from its reference values (tests/datalib/reference) and of
every channel table from Martin's correlation, as the test program
kal-validierung computes them through the data library. The test
Validierung.ReadmeShowsTheCurrentTable fails until this has been run after
a change of the data.

usage: validate.py KAL_VALIDIERUNG [README.md]
   e.g. tools/datagen/validate.py build/test/bin/kal-validierung
"""
import os
import subprocess
import sys

ANFANG, ENDE = "<!-- validation:begin -->\n", "<!-- validation:end -->"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    readme = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(__file__), "..", "..", "README.md")
    lauf = subprocess.run([sys.argv[1]], capture_output=True, text=True)
    if lauf.stderr:
        sys.stderr.write(lauf.stderr)
    if not lauf.stdout:
        sys.exit("%s wrote nothing" % sys.argv[1])
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    a, e = text.find(ANFANG), text.find(ENDE)
    if a < 0 or e < a:
        sys.exit("%s: no section between %r and %r" % (readme, ANFANG.strip(), ENDE))
    text = text[:a + len(ANFANG)] + lauf.stdout + text[e:]
    tmp = readme + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, readme)
    # a deviation beyond its tolerance still writes the table, and says so
    sys.exit(lauf.returncode)


if __name__ == "__main__":
    main()
