"""The one reader of Korvane's language catalogues, i18n/<code>.po.

Each entry is named by its msgctxt, its key; msgid is the English text and
msgstr the translation (empty in en.po, the source). Every PO file in the
folder is a language: English first, then the others by their codes.
"""

import pathlib
import re

import polib

SOURCE = "en"
# Keys of the words outside the program (the menu entry, the software
# centre's metadata, the Windows installer): written into those files, never
# into the program's tables.
OUTSIDE = ("menuEntry.", "metainfo.", "installer.")


class Catalogue:
    def __init__(self, path):
        self.path = pathlib.Path(path)
        self.code = self.path.stem
        self.entries = {}  # key: polib entry, in file order
        self.problems = []
        self.metadata = {}
        try:
            po = polib.pofile(str(path))
        except (OSError, ValueError) as error:
            self.problems.append(f"{self.path.name}: cannot be read: {error}")
            return
        self.metadata = po.metadata
        for entry in po:
            if entry.obsolete:
                continue
            where = f"{self.path.name}:{entry.linenum}"
            if not entry.msgctxt:
                self.problems.append(f"{where}: an entry without a msgctxt key")
            elif entry.msgctxt in self.entries:
                self.problems.append(f"{where}: the key {entry.msgctxt} comes twice")
            else:
                self.entries[entry.msgctxt] = entry

    def header(self, field):
        return self.metadata.get(field, "").strip()

    def tags(self):
        return self.header("X-Korvane-Tags").split()

    def date_order(self):
        """The date's parts in the order the language writes them, or None."""
        order = self.header("X-Korvane-Date-Order").split()
        return order if sorted(order) == ["day", "month", "year"] else None


def read(folder):
    """Every catalogue of the folder, English first."""
    paths = sorted(pathlib.Path(folder).glob("*.po"), key=lambda p: (p.stem != SOURCE, p.stem))
    return [Catalogue(path) for path in paths]


def read_one(folder, code):
    """One language's catalogue and the English one (English for a language without one)."""
    english = Catalogue(pathlib.Path(folder) / f"{SOURCE}.po")
    path = pathlib.Path(folder) / f"{code}.po"
    return (Catalogue(path) if code != SOURCE and path.is_file() else english), english


def program_keys(english):
    return [key for key in english.entries if not key.startswith(OUTSIDE)]


def outside_keys(english):
    return [key for key in english.entries if key.startswith(OUTSIDE)]


def text(catalogue, english, key):
    """The text as the language writes it; English where it has none."""
    entry = catalogue.entries.get(key)
    if catalogue is not english and entry is not None and entry.msgstr:
        return entry.msgstr
    return english.entries[key].msgid


def text_id(key):
    """The key's name in C++ and in the installer: "sign.aries.text" is SignAriesText."""
    return "".join(part[:1].upper() + part[1:] for part in key.split("."))


def without_access_key(text):
    """The text without its access-key mark: "(&G)" after a Chinese text goes
    whole, "&x" becomes "x" and "&&" a single "&"."""
    text = re.sub(r"\(&[A-Za-z0-9]\)", "", text)
    return re.sub(r"&([A-Za-z0-9&])", r"\1", text)


def filled(text, values):
    """The text with its placeholders (%1, %2, ...) filled in."""
    return re.sub(r"%([1-9])", lambda m: values[int(m.group(1)) - 1], text)
