# Writes what the program reads of the language catalogues:
#
#   cmake -DKORVANE_SOURCE_DIR=<root> -DCATALOGUES="en;zh_CN;..." [-DOUTPUT_DIR=<dir>]
#         [-DJSON_DIR=<dir>] -P cmake/CatalogueSources.cmake
#
# OUTPUT_DIR gets korvane_texts.h (TextId, one name per key of the English
# catalogue) and korvane_texts.cpp (every catalogue's texts as C++ tables);
# JSON_DIR, for the web page, one <code>.json per catalogue with its texts
# as the page shows them, and catalogues.json listing the catalogues. A file
# is rewritten only when it changes.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/Catalogues.cmake")

function(write_if_changed file content)
  if(EXISTS "${file}")
    file(READ "${file}" old)
    if(old STREQUAL content)
      return()
    endif()
  endif()
  file(WRITE "${file}" "${content}")
endfunction()

list(GET CATALOGUES 0 source)
foreach(code IN LISTS CATALOGUES)
  korvane_read_catalogue("${KORVANE_SOURCE_DIR}/i18n/${code}.po" po_${code})
  if(po_${code}_PROBLEMS)
    list(JOIN po_${code}_PROBLEMS "\n  " problems)
    message(FATAL_ERROR "i18n/${code}.po cannot be read:\n  ${problems}")
  endif()
endforeach()
set(keys ${po_${source}_KEYS})
list(LENGTH keys key_count)
list(LENGTH CATALOGUES catalogue_count)

# The header: one name per key.
if(NOT DEFINED OUTPUT_DIR)
  set(OUTPUT_DIR "")
endif()
set(ids "")
foreach(key IN LISTS keys)
  korvane_text_id(id "${key}")
  string(APPEND ids "    ${id}, // ${key}\n")
endforeach()
if(OUTPUT_DIR)
write_if_changed("${OUTPUT_DIR}/korvane_texts.h" "\
// Written by cmake/CatalogueSources.cmake from i18n/${source}.po.
#pragma once

#include <cstdint>

namespace korvane {

// Every text the program shows, by the key of its catalogue entry.
enum class TextId : std::uint16_t {
${ids}};

inline constexpr int kTextCount = ${key_count};
inline constexpr int kCatalogueCount = ${catalogue_count};

} // namespace korvane
")
endif()

# The tables. A text missing from a catalogue (the check of the catalogues
# fails on it) falls back to the English one.
set(tables "")
set(entries "")
set(json_index "")
foreach(code IN LISTS CATALOGUES)
  set(po po_${code})
  korvane_po_header_field(tags "${${po}_HEADER}" "X-Korvane-Tags")
  korvane_po_header_field(order "${${po}_HEADER}" "X-Korvane-Date-Order")
  if(tags STREQUAL "" OR NOT order MATCHES "^(day|month|year) (day|month|year) (day|month|year)$")
    message(FATAL_ERROR "i18n/${code}.po: its header needs X-Korvane-Tags and "
                        "X-Korvane-Date-Order (\"day month year\" in the order the date is written)")
  endif()
  string(REPLACE " " ";" parts "${order}")
  set(cpp_order "")
  set(json_order "")
  foreach(part IN LISTS parts)
    korvane_text_id(name "${part}")
    list(APPEND cpp_order "DatePart::${name}")
    list(APPEND json_order "\"${part}\"")
  endforeach()
  list(JOIN cpp_order ", " cpp_order)
  list(JOIN json_order "," json_order)

  set(table "")
  set(json "")
  foreach(key IN LISTS keys)
    set(text "${po_${source}_ID_${key}}")
    if(NOT code STREQUAL source AND NOT "${${po}_STR_${key}}" STREQUAL "")
      set(text "${${po}_STR_${key}}")
    endif()
    korvane_po_plain(text "${text}")
    string(APPEND table "    \"${text}\",\n")
    korvane_without_access_key(shown "${text}")
    if(NOT json STREQUAL "")
      string(APPEND json ",\n")
    endif()
    string(APPEND json "\"${key}\":\"${shown}\"")
  endforeach()
  string(MAKE_C_IDENTIFIER "k_${code}" table_name)
  string(APPEND tables "const char* const ${table_name}[kTextCount] = {\n${table}};\n\n")
  string(APPEND entries "        {\"${code}\", \"${tags}\", {${cpp_order}}, ${table_name}},\n")

  string(REPLACE " " "\",\"" json_tags "${tags}")
  # The language's own name, for the page's list of languages.
  set(name_key "language.name")
  set(language_name "${${po}_STR_${name_key}}")
  if(code STREQUAL source OR language_name STREQUAL "")
    set(language_name "${po_${source}_ID_${name_key}}")
  endif()
  korvane_po_plain(language_name "${language_name}")
  if(NOT json_index STREQUAL "")
    string(APPEND json_index ",\n")
  endif()
  string(APPEND json_index "{\"code\":\"${code}\",\"tags\":[\"${json_tags}\"],\"name\":\"${language_name}\",\"dateOrder\":[${json_order}]}")
  if(DEFINED JSON_DIR)
    write_if_changed("${JSON_DIR}/${code}.json" "{\n${json}\n}\n")
  endif()
endforeach()
if(DEFINED JSON_DIR)
  write_if_changed("${JSON_DIR}/catalogues.json" "[\n${json_index}\n]\n")
endif()

set(keys_table "")
foreach(key IN LISTS keys)
  string(APPEND keys_table "    \"${key}\",\n")
endforeach()
if(OUTPUT_DIR)
write_if_changed("${OUTPUT_DIR}/korvane_texts.cpp" "\
// Written by cmake/CatalogueSources.cmake from i18n/*.po.
#include \"catalogue.h\"

namespace korvane {
namespace {

const char* const kKeys[kTextCount] = {
${keys_table}};

${tables}} // namespace

std::span<const Catalogue> Catalogues() {
    static constexpr Catalogue kCatalogues[kCatalogueCount] = {
${entries}    };
    return kCatalogues;
}

std::string_view TextKey(TextId id) {
    return kKeys[static_cast<int>(id)];
}

std::string_view EnglishText(TextId id) {
    return k_${source}[static_cast<int>(id)];
}

} // namespace korvane
")
endif()
