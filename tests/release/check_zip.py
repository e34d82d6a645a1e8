#!/usr/bin/env python3
"""Checks the release zip: one folder named after the release holding the
program as built, the read-me and licence in a form Notepad reads, and the
manual with exactly the pictures it shows; nothing else.

  check_zip.py ZIP PROGRAM DOCS
"""
import os
import re
import sys
import zipfile

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def main(archive, program, docs):
    top = os.path.basename(archive)[: -len(".zip")]
    expect(re.fullmatch(r"Stowpane-\d+\.\d+\.\d+", top), f"the zip's name {top!r} is not Stowpane-<version>")
    with open(os.path.join(docs, "manual.html"), encoding="utf-8") as f:
        manual = f.read()
    pictures = set(re.findall(r'<img[^>]*\bsrc="([^"]+)"', manual))
    expect(pictures, "the manual shows no picture")
    wanted = {f"{top}/Stowpane.exe", f"{top}/readme.txt", f"{top}/LICENSE.txt", f"{top}/manual/manual.html"}
    wanted |= {f"{top}/manual/{p}" for p in pictures}

    with zipfile.ZipFile(archive) as z:
        names = {n for n in z.namelist() if not n.endswith("/")}
        for name in sorted(wanted - names):
            failures.append(f"missing: {name}")
        for name in sorted(names - wanted):
            failures.append(f"not wanted: {name}")
        if failures:
            return
        with open(program, "rb") as f:
            expect(z.read(f"{top}/Stowpane.exe") == f.read(), "Stowpane.exe differs from the program the build shipped")
        readme = z.read(f"{top}/readme.txt")
        expect(readme.startswith(b"\xef\xbb\xbf"), "readme.txt lacks the UTF-8 mark Notepad needs")
        for name in ("readme.txt", "LICENSE.txt"):
            text = z.read(f"{top}/{name}")
            expect(b"\n" in text and text.count(b"\n") == text.count(b"\r\n"), f"{name} has line ends other than CR LF")
        expect(z.read(f"{top}/manual/manual.html").decode("utf-8") == manual, "the manual differs from docs/")
        for p in pictures:
            with open(os.path.join(docs, p), "rb") as f:
                expect(z.read(f"{top}/manual/{p}") == f.read(), f"{p} differs from docs/")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
    for failure in failures:
        print("FAIL:", failure)
    print("zip checked:", "failed" if failures else "ok")
    sys.exit(1 if failures else 0)
