#!/usr/bin/env python3
"""Collects section/key pairs of language texts from the design notes.

Heuristic first pass; the result is reviewed and completed by hand in
tests/lang/language_keys.txt."""
import re, sys

LANG = {"maindialog", "buttons", "menu", "combobox", "global", "error", "unit", "result",
        "warning", "settingsdialog", "addmediumdialog", "assemblydialog", "anschluesse",
        "zubehoerliste", "spezifikation", "ausschreibung", "plattentypspalttypdlg"}
DEFAULT = {"1.2": "settingsdialog", "1.3": "error", "2.": "error", "3.1": "maindialog",
           "3.2": "maindialog", "3.3": "error", "3.4": "addmediumdialog", "4.1": "assemblydialog",
           "4.2": "assemblydialog", "4.3": "zubehoerliste", "4.4": "assemblydialog",
           "5.": "spezifikation", "6.1": "error", "6.2": "plattentypspalttypdlg"}
Q = r'(?:"([^"]+)"|`([^`]+)`)'
out = set()
part = None
for line in open(sys.argv[1], encoding="utf-8"):
    m = re.match(r"# Part (\d\.\d)", line)
    if m:
        part = m.group(1); continue
    if not part:
        continue
    d = next((v for k, v in DEFAULT.items() if part.startswith(k)), None)
    # explicit "section X, key Y" / "section X key Y"
    for m in re.finditer(r"section " + Q + r",? keys? " + Q, line):
        s = m.group(1) or m.group(2); k = m.group(3) or m.group(4)
        if s in LANG:
            out.add((s, k))
    for m in re.finditer(r"(?:section " + Q + r"[^.;|]*?)?\bkeys? " + Q + r"((?:,? (?:and |or |to )?" + Q + r")*)", line):
        s = m.group(1) or m.group(2) or d
        if s not in LANG:
            continue
        toks = [m.group(3) or m.group(4)] + [a or b for a, b in re.findall(Q, m.group(5) or "")]
        for t in toks:
            out.add((s, t))
    if part in ("3.1", "3.4", "4.1", "5.1", "6.2") and line.startswith("|"):
        for m in re.finditer(r'\("([^"]+)"\)|\| `([^`|]+)`', line):
            t = m.group(1) or m.group(2)
            out.add((d, t))
for s, k in sorted(out):
    print(f"{s}\t{k}")
