#!/usr/bin/env python3
"""Puts the release together from the built program and docs/.

  stage.py manual DOCS OUT          the manual and the pictures it shows, into OUT
  stage.py release EXE ROOT OUT VERSION
                                    OUT/Stowpane-VERSION/ (program, read-me,
                                    licence, manual) and OUT/Stowpane-VERSION.zip

The manual names its pictures by bare file name, so that it reads the same
beside them in docs/ and in the release's manual folder.
"""
import os
import re
import shutil
import sys
import zipfile

MANUAL = "manual.html"


def manual_pictures(html_path):
    with open(html_path, encoding="utf-8") as f:
        text = f.read()
    names = sorted(set(re.findall(r'\bsrc="([^"]+)"', text)))
    for name in names:
        # Only pictures beside the manual: nothing from elsewhere can follow it.
        if "/" in name or "\\" in name or ":" in name or name.startswith("."):
            sys.exit(f"stage: the manual shows {name!r}, which is not a picture beside it")
    return names


def stage_manual(docs, out):
    source = os.path.join(docs, MANUAL)
    pictures = manual_pictures(source)
    missing = [p for p in pictures if not os.path.isfile(os.path.join(docs, p))]
    if missing:
        sys.exit("stage: the manual shows pictures that docs/ lacks: " + ", ".join(missing))
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    for name in [MANUAL] + pictures:
        shutil.copy2(os.path.join(docs, name), os.path.join(out, name))


def windows_text(source, target, bom):
    # Notepad on every Windows reads UTF-8 only with its mark, and wants CRLF.
    with open(source, encoding="utf-8") as f:
        text = f.read().replace("\r\n", "\n").replace("\n", "\r\n")
    with open(target, "w", encoding="utf-8-sig" if bom else "utf-8", newline="") as f:
        f.write(text)


def stage_release(exe, root, out, version):
    name = f"Stowpane-{version}"
    folder = os.path.join(out, name)
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    shutil.copy2(exe, os.path.join(folder, "Stowpane.exe"))
    windows_text(os.path.join(root, "docs", "readme.txt"), os.path.join(folder, "readme.txt"), bom=True)
    windows_text(os.path.join(root, "LICENSE"), os.path.join(folder, "LICENSE.txt"), bom=False)
    stage_manual(os.path.join(root, "docs"), os.path.join(folder, "manual"))

    archive = os.path.join(out, name + ".zip")
    if os.path.exists(archive):
        os.remove(archive)
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
        for base, dirs, files in os.walk(folder):
            dirs.sort()
            for file in sorted(files):
                path = os.path.join(base, file)
                z.write(path, os.path.relpath(path, out).replace(os.sep, "/"))


def main(argv):
    if len(argv) == 4 and argv[1] == "manual":
        stage_manual(argv[2], argv[3])
    elif len(argv) == 6 and argv[1] == "release":
        stage_release(*argv[2:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
