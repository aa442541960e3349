"""Prints a text of a language's catalogue, for the scripts that drive the
program by keyboard (scripts/lib/common.sh):

  entry.py I18N_DIR CODE KEY         the text, with its "&" (English where untranslated)
  entry.py I18N_DIR CODE --date-order  the date lists' order, as "day month year"
  entry.py I18N_DIR CODE --nsis-language  the installer's language, as NSIS names it

A language without a catalogue reads the English one.
"""

import sys

import po


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    folder, code, key = sys.argv[1:]
    catalogue, english = po.read_one(folder, code)
    if key == "--date-order":
        print(" ".join(catalogue.date_order() or []))
    elif key == "--nsis-language":
        print(catalogue.header("X-Korvane-NSIS-Language") or english.header("X-Korvane-NSIS-Language"))
    elif key in english.entries:
        print(po.text(catalogue, english, key))
    else:
        sys.exit(f"{english.path}: no entry {key}")


if __name__ == "__main__":
    main()
