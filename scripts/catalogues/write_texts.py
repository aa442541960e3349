"""Writes what the program reads of the language catalogues:

  write_texts.py I18N_DIR [--cpp DIR] [--json DIR]

--cpp: korvane_texts.h (TextId, one name per key of the English catalogue)
and korvane_texts.cpp (every catalogue's texts as C++ tables); --json, for
the web page: one <code>.json per catalogue with its texts as the page shows
them, and catalogues.json listing the catalogues. A file is rewritten only
when it changes.
"""

import argparse
import json
import pathlib
import re
import sys

import po


def write_if_changed(path, content):
    path = pathlib.Path(path)
    if not path.is_file() or path.read_text(encoding="utf-8") != content:
        path.write_text(content, encoding="utf-8")


def cpp_string(text):
    escaped = "".join(
        {"\\": "\\\\", '"': '\\"', "\n": "\\n", "\r": "\\r", "\t": "\\t"}.get(c)
        or (f"\\{ord(c):03o}" if ord(c) < 32 else c)
        for c in text
    )
    return f'"{escaped}"'


def json_string(text):
    return json.dumps(text, ensure_ascii=False)


def write_cpp(folder, catalogues, keys):
    english = catalogues[0]
    ids = "".join(f"    {po.text_id(key)}, // {key}\n" for key in keys)
    write_if_changed(folder / "korvane_texts.h", f"""\
// Written by scripts/catalogues/write_texts.py from i18n/{po.SOURCE}.po.
#pragma once

#include <cstdint>

namespace korvane {{

// Every text the program shows, by the key of its catalogue entry.
enum class TextId : std::uint16_t {{
{ids}}};

inline constexpr int kTextCount = {len(keys)};
inline constexpr int kCatalogueCount = {len(catalogues)};

}} // namespace korvane
""")
    tables = ""
    entries = ""
    for catalogue in catalogues:
        name = "k_" + re.sub(r"\W", "_", catalogue.code)
        rows = "".join(f"    {cpp_string(po.text(catalogue, english, key))},\n" for key in keys)
        tables += f"const char* const {name}[kTextCount] = {{\n{rows}}};\n\n"
        order = ", ".join("DatePart::" + part.capitalize() for part in catalogue.date_order())
        tags = cpp_string(" ".join(catalogue.tags()))
        entries += f'        {{"{catalogue.code}", {tags}, {{{order}}}, {name}}},\n'
    key_rows = "".join(f"    {cpp_string(key)},\n" for key in keys)
    write_if_changed(folder / "korvane_texts.cpp", f"""\
// Written by scripts/catalogues/write_texts.py from i18n/*.po.
#include "catalogue.h"

namespace korvane {{
namespace {{

const char* const kKeys[kTextCount] = {{
{key_rows}}};

{tables}}} // namespace

std::span<const Catalogue> Catalogues() {{
    static constexpr Catalogue kCatalogues[kCatalogueCount] = {{
{entries}    }};
    return kCatalogues;
}}

std::string_view TextKey(TextId id) {{
    return kKeys[static_cast<int>(id)];
}}

std::string_view EnglishText(TextId id) {{
    return k_{po.SOURCE}[static_cast<int>(id)];
}}

}} // namespace korvane
""")


def write_json(folder, catalogues, keys):
    english = catalogues[0]
    index = []
    for catalogue in catalogues:
        texts = ",\n".join(
            f"{json_string(key)}:{json_string(po.without_access_key(po.text(catalogue, english, key)))}"
            for key in keys
        )
        write_if_changed(folder / f"{catalogue.code}.json", "{\n" + texts + "\n}\n")
        # The language's own name, for the page's list of languages.
        index.append(json.dumps({
            "code": catalogue.code,
            "tags": catalogue.tags(),
            "name": po.text(catalogue, english, "language.name"),
            "dateOrder": catalogue.date_order(),
        }, ensure_ascii=False, separators=(",", ":")))
    write_if_changed(folder / "catalogues.json", "[\n" + ",\n".join(index) + "\n]\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("i18n")
    parser.add_argument("--cpp", type=pathlib.Path)
    parser.add_argument("--json", type=pathlib.Path)
    arguments = parser.parse_args()
    catalogues = po.read(arguments.i18n)
    for catalogue in catalogues:
        # The check of the catalogues says more; the build needs only these.
        if catalogue.problems or not catalogue.tags() or not catalogue.date_order():
            sys.exit(f"i18n/{catalogue.code}.po cannot be read, or its header lacks X-Korvane-Tags "
                     "or X-Korvane-Date-Order (\"day month year\" in the order the date is "
                     "written):\n  " + "\n  ".join(catalogue.problems))
    keys = po.program_keys(catalogues[0])
    if arguments.cpp:
        write_cpp(arguments.cpp, catalogues, keys)
    if arguments.json:
        write_json(arguments.json, catalogues, keys)


if __name__ == "__main__":
    main()
