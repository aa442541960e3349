"""Checks the language catalogues against the English one and the sources:

  check.py ROOT [--msgfmt PATH]

Fails where msgfmt -c finds a fault; on an entry that a translation lacks,
leaves empty, marks fuzzy or keeps for an English text that changed or
went; on placeholders (%1), line breaks or access keys ("&x") that differ
from the English; on a header without the fields the program reads; and on
an English entry that nothing uses, by its C++ name (SignAriesText), its key
in quotes ("sign.aries.text") or in a template ({{t:sign.aries.text}}).
"""

import argparse
import pathlib
import re
import subprocess
import sys

import po

# Where the texts are used: the program, the web page, the writers of the
# generated files and the templates of the menu entry, the metainfo and the
# installer.
SOURCES = ("engine/*.h", "engine/*.cpp", "platform/*.cpp", "ui/*.cpp", "ui/*.h", "outreach/*.cpp",
           "outreach/*.h", "result/*.cpp", "result/*.h", "app/*.cpp", "app/*.h", "web/*.cpp",
           "web/*.h", "web/*.html", "web/*.js", "web/*.mjs", "scripts/catalogues/*.py",
           "data/*.in", "packaging/windows/*.nsi")


def shape(text):
    """What of a text has to agree between languages."""
    placeholders = " ".join(sorted(re.findall(r"%[0-9]", text))) or "none"
    keys = len(re.findall(r"&[A-Za-z0-9]", text.replace("&&", "")))
    return f"placeholders {placeholders}, line breaks {text.count(chr(10))}, access keys {keys}"


def check_header(catalogue):
    code = catalogue.code
    if catalogue.header("Language") != code:
        yield f"{code}.po: its header says Language: {catalogue.header('Language')}"
    if not catalogue.tags():
        yield f"{code}.po: its header lacks X-Korvane-Tags"
    if catalogue.date_order() is None:
        yield f"{code}.po: its header's X-Korvane-Date-Order is not day, month and year in some order"


def check_translation(catalogue, english):
    code = catalogue.code
    for key, source in english.entries.items():
        entry = catalogue.entries.get(key)
        if entry is None:
            yield f"{code}.po: {key}: missing"
        elif entry.msgid != source.msgid:
            yield f"{code}.po: {key}: stale, translated from an English text that has changed"
        elif not entry.msgstr:
            yield f"{code}.po: {key}: empty"
        elif "fuzzy" in entry.flags:
            yield f"{code}.po: {key}: marked fuzzy"
        elif shape(entry.msgstr) != shape(source.msgid):
            yield (f"{code}.po: {key}: {shape(entry.msgstr)}, "
                   f"where the English has {shape(source.msgid)}")
    for key in (key for key in catalogue.entries if key not in english.entries):
        yield f"{code}.po: {key}: stale, the English catalogue has no such entry"


def check_use(root, english):
    sources = "\n".join(path.read_text(encoding="utf-8") for pattern in SOURCES
                        for path in sorted(root.glob(pattern)))
    for key in english.entries:
        name = po.text_id(key)
        by_name = re.search(rf"[^A-Za-z0-9_]{name}[^A-Za-z0-9_]", sources)
        by_key = re.search(rf"([\"'`]|{{{{t:){re.escape(key)}([\"'`]|}}}})", sources)
        if not by_name and not by_key:
            yield f"{po.SOURCE}.po: {key}: nothing shows it (no {name} or {key} in the sources)"


def check_msgfmt(msgfmt, catalogue):
    # Its warnings about header fields the program does not read are no fault.
    try:
        run = subprocess.run([msgfmt, "-c", "-o", "/dev/null", catalogue.path.name],
                             cwd=catalogue.path.parent, capture_output=True, text=True)
    except OSError as error:
        yield f"msgfmt -c cannot run (Debian: gettext): {error}"
        return
    if run.returncode != 0:
        yield from (f"msgfmt -c: {line}" for line in run.stderr.splitlines()
                    if "warning: header field" not in line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("--msgfmt", default="msgfmt")
    arguments = parser.parse_args()
    catalogues = po.read(arguments.root / "i18n")
    if not catalogues or catalogues[0].code != po.SOURCE:
        sys.exit(f"i18n/{po.SOURCE}.po: missing")
    english = catalogues[0]
    problems = []
    for catalogue in catalogues:
        problems += catalogue.problems
        problems += check_msgfmt(arguments.msgfmt, catalogue)
        problems += check_header(catalogue)
        if catalogue is english:
            problems += (f"{po.SOURCE}.po: {key}: the source catalogue's msgstr stays empty"
                         for key, entry in english.entries.items() if entry.msgstr)
        else:
            problems += check_translation(catalogue, english)
    problems += check_use(arguments.root, english)
    if problems:
        sys.exit(f"{len(problems)} problems in the catalogues:\n  " + "\n  ".join(problems))
    print(f"{len(catalogues)} catalogues of {len(english.entries)} texts each: complete and in use")


if __name__ == "__main__":
    main()
