#!/usr/bin/env python3
"""Checks that the manual has a section for every window of the program whose
help can be asked for (F1, a Help button, context help): Help opens the manual
at the element whose id is the window's help section, which is its placement
name or message key unless the code sets another. A window renamed in the code
or a section lost from the manual would open the manual at its top.

  check_manual_sections.py ROOT
"""
import glob
import os
import re
import sys


def help_sections(root):
    sections = set()
    for path in glob.glob(os.path.join(root, "app", "**", "*.cpp"), recursive=True):
        with open(path, encoding="utf-8") as f:
            text = f.read()
        constants = dict(re.findall(r'constexpr char (\w+)\[\] = "(\w+)";', text))
        for name in re.findall(r"Set(?:PlacementName|HelpSection)\((\w+|\"\w+\")\)", text):
            sections.add(name.strip('"') if name.startswith('"') else constants.get(name, "?" + name))
        sections.update(re.findall(r'(?:MessageShape|MessageShapeTitled|ShowNotice)\(\s*\w+,\s*"(\w+)"', text))
    return sections


def main(root):
    with open(os.path.join(root, "docs", "manual.html"), encoding="utf-8") as f:
        ids = set(re.findall(r'\bid="([^"]+)"', f.read()))
    sections = help_sections(root)
    if len(sections) < 10:
        sys.exit(f"found only {sorted(sections)}: the search for the program's windows no longer matches the code")
    missing = sorted(s for s in sections if s not in ids)
    for name in missing:
        print("FAIL: the manual has no section with the id", name)
    print(len(sections), "help sections checked:", "failed" if missing else "ok")
    sys.exit(1 if missing else 0)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
