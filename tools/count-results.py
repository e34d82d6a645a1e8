#!/usr/bin/env python3
"""Adds up a test run: GoogleTest cases from their XML reports, and every
other CTest entry (fuzz runs, scripts) as one case each. Prints what each
failed case reported (all of it with --all first), then the closing line "N passed, M failed",
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


def print_failures(failures, max_cases, max_lines):
    for name, texts in failures[:max_cases]:
        print(f"FAILED {name}")
        for text in texts:
            lines = text.strip().splitlines()
            for line in lines[:max_lines]:
                print(f"    {line}")
            if len(lines) > max_lines:
                print("    ...")
    if len(failures) > max_cases:
        print(f"... and {len(failures) - max_cases} more failed cases")


def main(argv):
    # argv: [--all] pairs of (ctest junit report, folder of gtest reports), run start stamp file
    show_all = argv[:1] == ["--all"]
    if show_all:
        argv = argv[1:]
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
                    failures.append((name, ["the entry failed with no failed case in its report"]))
                passed += p
                failed += f
            elif entry_failed:
                failed += 1
                failures.append((name, ["the entry failed (crash, time-out or check) with no report"]))
            else:
                passed += 1
    if show_all:
        print_failures(failures, len(failures), sys.maxsize)
    else:
        print_failures(failures, MAX_CASES_SHOWN, MAX_LINES_PER_FAILURE)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
