#!/usr/bin/env python3
"""Adds up a test run: GoogleTest cases from their XML reports, and every
other CTest entry (fuzz runs, scripts) as one case each. Prints what each
failed GoogleTest case reported, then the closing line "N passed, M failed",
and exits non-zero when anything failed. The failures are repeated here
because a run's log is often read from its end."""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


MAX_CASES_SHOWN = 10
MAX_LINES_PER_FAILURE = 8


def gtest_counts(root):
    tests = int(root.get("tests", 0)) - int(root.get("disabled", 0))
    failed = int(root.get("failures", 0)) + int(root.get("errors", 0))
    return tests - failed, failed


def gtest_failures(root):
    """(case name, [failure texts]) for every failed case of a report."""
    failures = []
    for case in root.iter("testcase"):
        texts = [f.get("message") or f.text or "" for f in case.findall("failure")]
        if texts:
            failures.append((f"{case.get('classname')}.{case.get('name')}", texts))
    return failures


def print_failures(failures):
    for name, texts in failures[:MAX_CASES_SHOWN]:
        print(f"FAILED {name}")
        for text in texts:
            lines = text.strip().splitlines()
            for line in lines[:MAX_LINES_PER_FAILURE]:
                print(f"    {line}")
            if len(lines) > MAX_LINES_PER_FAILURE:
                print("    ...")
    if len(failures) > MAX_CASES_SHOWN:
        print(f"... and {len(failures) - MAX_CASES_SHOWN} more failed cases")


def main(argv):
    # argv: pairs of (ctest junit report, folder of gtest reports), run start stamp file
    stamp = Path(argv[-1]).stat().st_mtime
    passed = failed = 0
    failures = []
    for junit, gtest_dir in zip(argv[0:-1:2], argv[1:-1:2]):
        junit = Path(junit)
        if not junit.exists():
            print(f"count-results: no report {junit}: counted as one failure")
            failed += 1
            continue
        for case in ET.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            entry_failed = case.find("failure") is not None or case.get("status") == "fail"
            report = Path(gtest_dir) / f"{name}.xml"
            if report.exists() and report.stat().st_mtime >= stamp:
                root = ET.parse(report).getroot()
                p, f = gtest_counts(root)
                failures += gtest_failures(root)
                # A program that crashed after writing its report still failed.
                if entry_failed and f == 0:
                    f = 1
                passed += p
                failed += f
            elif entry_failed:
                failed += 1
            else:
                passed += 1
    print_failures(failures)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
