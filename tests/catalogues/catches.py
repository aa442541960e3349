"""The check of the catalogues finds each kind of fault in catalogues made for
it (broken/): every row below is in what it says.

  catches.py CHECK MSGFMT
"""

import pathlib
import subprocess
import sys

FAULTS = [
    "xx.po: k.key: placeholders none, line breaks 0, access keys 0, "
    "where the English has placeholders none, line breaks 0, access keys 1",
    "xx.po: k.placeholder: placeholders %2, line breaks 0, access keys 0, "
    "where the English has placeholders %1,",
    "xx.po: k.lines: placeholders none, line breaks 1, access keys 0, "
    "where the English has placeholders none, line breaks 2,",
    "xx.po: k.changed: stale, translated from an English text that has changed",
    "xx.po: k.empty: empty",
    "xx.po: k.fuzzy: marked fuzzy",
    "xx.po: k.missing: missing",
    "xx.po: k.extra: stale, the English catalogue has no such entry",
    "en.po: k.unused: nothing shows it",
    "en.po: k.unused: the source catalogue's msgstr stays empty",
    "xx.po: its header's X-Korvane-Date-Order",
    "xx.po: its header says Language: yy",
    "xx.po: its header lacks X-Korvane-Tags",
    "the key k.twice comes twice",
    "an entry without a msgctxt key",
    "msgfmt -c: xx.po:50: format specifications in 'msgid' and 'msgstr'",
]

check, msgfmt = sys.argv[1:]
broken = pathlib.Path(__file__).parent / "broken"
run = subprocess.run([sys.executable, "-B", check, str(broken), "--msgfmt", msgfmt],
                     capture_output=True, text=True)
missed = [fault for fault in FAULTS if fault not in run.stderr]
if run.returncode == 0 or missed:
    sys.exit(f"status {run.returncode}; not found:\n  " + "\n  ".join(missed) +
             f"\nin what the check said:\n{run.stdout}{run.stderr}")
print(f"all {len(FAULTS)} faults found")
