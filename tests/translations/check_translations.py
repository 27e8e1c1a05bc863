#!/usr/bin/env python3
"""Fails when a text of the sources is missing from a translation, left unfinished,
or translated without one of its placeholders (%1, %n, %L2, ...).

Usage: check_translations.py LUPDATE LRELEASE SOURCE_DIR
The translation files are brought up to date with the sources in a scratch copy
first, so a text added without running scripts/update-translations.sh counts too.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SOURCES = ["app", "canvas", "cli", "dialogs", "forms", "model", "prompts"]
LANGUAGES = ["de", "fr"]
PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def updated_copies(lupdate, source_dir, scratch):
    copies = []
    for language in LANGUAGES:
        copy = scratch / f"zev_{language}.ts"
        shutil.copy(source_dir / "translations" / copy.name, copy)
        copies.append(copy)
    english = scratch / "zev_en.ts"
    shutil.copy(source_dir / "translations" / english.name, english)
    sources = [str(source_dir / name) for name in SOURCES]
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-I", str(source_dir), *sources, "-ts", *map(str, copies)], check=True)
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-pluralonly", "-I", str(source_dir), *sources, "-ts", str(english)], check=True)
    return copies + [english]


def release_problems(lrelease, ts_file):
    result = subprocess.run([lrelease, str(ts_file), "-qm", "/dev/null"], capture_output=True, text=True, check=True)
    report = result.stdout + result.stderr
    problems = []
    unfinished = re.search(r"(\d+) unfinished", report)
    if unfinished and int(unfinished.group(1)) > 0:
        problems.append(f"{ts_file.name}: {unfinished.group(1)} unfinished")
    untranslated = re.search(r"Ignored (\d+) untranslated", report)
    if untranslated:
        problems.append(f"{ts_file.name}: {untranslated.group(1)} untranslated")
    return problems


def placeholder_problems(ts_file):
    problems = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                if sorted(set(PLACEHOLDER.findall(form))) != wanted:
                    problems.append(f"{ts_file.name}: {context.findtext('name')}: “{source}” → “{form}”")
    return problems


def main():
    lupdate, lrelease, source_dir = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    with tempfile.TemporaryDirectory() as scratch:
        problems = []
        for ts_file in updated_copies(lupdate, source_dir, Path(scratch)):
            problems += release_problems(lrelease, ts_file) + placeholder_problems(ts_file)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
