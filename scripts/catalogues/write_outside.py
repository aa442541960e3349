"""Writes the words outside the program from the language catalogues:

  write_outside.py I18N_DIR desktop|metainfo TEMPLATE OUTPUT
  write_outside.py I18N_DIR installer OUTPUT

desktop, metainfo: each line of the template that holds {{t:KEY}} comes out
in English and then once for each language, marked as a desktop entry
(GenericName[zh_CN]=) or AppStream (xml:lang="zh_CN") marks a translation.
installer: the Windows installer's languages, English first (the one it
falls back to), each catalogue's by the NSIS name in its header
(X-Korvane-NSIS-Language), and the installer's own messages in each.
"""

import re
import sys
from xml.sax.saxutils import escape as xml_escape

import po

# What fills the placeholders of the installer's messages: the installer's
# own defines (identity.nsh), or the shown text of a catalogue entry.
INSTALLER_VALUES = {
    "installer.running": ("${PRODUCT}", "menu.file", "command.exit"),
    "installer.oldWindows": ("${PRODUCT}", "${VERSION}"),
}


def desktop_escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n")


# For each kind of file: how a translation's line begins, from the start of
# the English line ("Comment=", "<p>"), and how a text is escaped there.
FORMATS = {
    "desktop": (lambda before, code: f"{before[:-1]}[{code}]=", desktop_escape),
    "metainfo": (lambda before, code: f'{before[:-1]} xml:lang="{code}">', xml_escape),
}


def expand(template, catalogues, kind):
    localised, escape = FORMATS[kind]
    english = catalogues[0]
    out = []
    for line in template.splitlines():
        found = re.fullmatch(r"(\s*)(.*?)\{\{t:([\w.]+)\}\}(.*)", line)
        if not found:
            out.append(line)
            continue
        indent, before, key, after = found.groups()
        if key not in english.entries:
            sys.exit(f"no entry {key} in i18n/{po.SOURCE}.po")
        source = english.entries[key].msgid
        out.append(f"{indent}{before}{escape(source)}{after}")
        for catalogue in catalogues[1:]:
            text = po.text(catalogue, english, key)
            if text != source:
                out.append(f"{indent}{localised(before, catalogue.code)}{escape(text)}{after}")
    return "\n".join(out) + "\n"


def nsis_escape(text):
    return (text.replace("$", "$$").replace('"', '$\\"').replace("\r", "")
            .replace("\n", "$\\r$\\n").replace("\t", "$\\t"))


def installer(catalogues):
    english = catalogues[0]
    languages = [(c, c.header("X-Korvane-NSIS-Language")) for c in catalogues]
    languages = [(c, name) for c, name in languages if name]
    lines = [f'!insertmacro MUI_LANGUAGE "{name}"' for _, name in languages]
    for key in (key for key in po.outside_keys(english) if key.startswith("installer.")):
        for catalogue, name in languages:
            values = [value if value.startswith("${") else
                      nsis_escape(po.without_access_key(po.text(catalogue, english, value)))
                      for value in INSTALLER_VALUES.get(key, ())]
            text = po.filled(nsis_escape(po.text(catalogue, english, key)), values)
            lines.append(f'LangString {po.text_id(key)} ${{LANG_{name.upper()}}} "{text}"')
    # A byte order mark: makensis reads a file without one in the building
    # system's code page.
    return ("\ufeff; Written by scripts/catalogues/write_outside.py from i18n/*.po.\n"
            + "\n".join(lines) + "\n")


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    catalogues = po.read(sys.argv[1])
    kind = sys.argv[2]
    if kind == "installer" and len(sys.argv) == 4:
        content = installer(catalogues)
    elif kind in FORMATS and len(sys.argv) == 5:
        with open(sys.argv[3], encoding="utf-8") as template:
            content = expand(template.read(), catalogues, kind)
    else:
        sys.exit(__doc__)
    with open(sys.argv[-1], "w", encoding="utf-8") as output:
        output.write(content)


if __name__ == "__main__":
    main()
