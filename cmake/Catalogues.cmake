# Reads the language catalogues (gettext PO files in i18n/) for the build and
# for their check. Included by cmake/CatalogueSources.cmake and
# cmake/CheckCatalogues.cmake; it defines functions only.
#
# Texts are kept exactly as the PO file escapes them (\n, \", \\), which is
# also how a C++ string literal and a JSON string write them. While a file is
# read, the characters that CMake's lists would split on (";" and the square
# brackets) stand in for themselves as control characters; korvane_po_plain()
# puts them back.

string(ASCII 1 KORVANE_PO_SEMICOLON)
string(ASCII 2 KORVANE_PO_OPEN)
string(ASCII 3 KORVANE_PO_CLOSE)
string(ASCII 4 KORVANE_PO_BACKSLASH)
string(ASCII 5 KORVANE_PO_AMPERSAND)

function(korvane_po_plain out text)
  string(REPLACE "${KORVANE_PO_SEMICOLON}" ";" text "${text}")
  string(REPLACE "${KORVANE_PO_OPEN}" "[" text "${text}")
  string(REPLACE "${KORVANE_PO_CLOSE}" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The key's name in C++: "sign.aries.text" is SignAriesText.
function(korvane_text_id out key)
  string(REPLACE "." ";" parts "${key}")
  set(id "")
  foreach(part IN LISTS parts)
    string(SUBSTRING "${part}" 0 1 first)
    string(SUBSTRING "${part}" 1 -1 rest)
    string(TOUPPER "${first}" first)
    string(APPEND id "${first}${rest}")
  endforeach()
  set(${out} "${id}" PARENT_SCOPE)
endfunction()

# Reads FILE into variables named after PREFIX:
#   PREFIX_KEYS         the msgctxt keys in file order
#   PREFIX_ID_<key>     the msgid, PREFIX_STR_<key> the msgstr (escaped)
#   PREFIX_FUZZY_<key>  TRUE for an entry marked fuzzy
#   PREFIX_HEADER       the header entry's msgstr
#   PREFIX_PROBLEMS     what cannot be read: entries without a key, repeated
#                       keys, escapes that a C++ or JSON string would read
#                       differently
function(korvane_read_catalogue file prefix)
  file(READ "${file}" content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\\" "${KORVANE_PO_BACKSLASH}" content "${content}")
  string(REPLACE ";" "${KORVANE_PO_SEMICOLON}" content "${content}")
  string(REPLACE "[" "${KORVANE_PO_OPEN}" content "${content}")
  string(REPLACE "]" "${KORVANE_PO_CLOSE}" content "${content}")
  string(REPLACE "\n" ";" lines "${content};")
  get_filename_component(name "${file}" NAME)

  set(keys "")
  set(problems "")
  set(line_number 0)
  macro(start_entry)
    set(field "")
    set(ctxt "")
    set(id "")
    set(str "")
    set(fuzzy FALSE)
    set(started FALSE)
  endmacro()
  start_entry()
  # An empty line, or the end of the file, ends an entry.
  macro(finish_entry)
    if(started)
      if(ctxt STREQUAL "" AND id STREQUAL "")
        set(${prefix}_HEADER "${str}" PARENT_SCOPE)
      elseif(ctxt STREQUAL "")
        list(APPEND problems "${name}:${line_number}: an entry without a msgctxt key")
      elseif("${ctxt}" IN_LIST keys)
        list(APPEND problems "${name}:${line_number}: the key ${ctxt} comes twice")
      else()
        list(APPEND keys "${ctxt}")
        set(${prefix}_ID_${ctxt} "${id}" PARENT_SCOPE)
        set(${prefix}_STR_${ctxt} "${str}" PARENT_SCOPE)
        set(${prefix}_FUZZY_${ctxt} ${fuzzy} PARENT_SCOPE)
      endif()
    endif()
    start_entry()
  endmacro()

  foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    string(REPLACE "${KORVANE_PO_BACKSLASH}" "\\" line "${line}")
    if(line MATCHES "^[ \t]*$")
      finish_entry()
    elseif(line MATCHES "^#~")
      # An obsolete entry: not part of the catalogue.
    elseif(line MATCHES "^#,(.*)$")
      if(CMAKE_MATCH_1 MATCHES "(^|[ ,])fuzzy([ ,]|$)")
        set(fuzzy TRUE)
      endif()
      set(started TRUE)
    elseif(line MATCHES "^#")
    elseif(line MATCHES "^(msgctxt|msgid|msgstr)[ \t]+\"(.*)\"[ \t]*$")
      set(field "${CMAKE_MATCH_1}")
      set(value "${CMAKE_MATCH_2}")
      set(started TRUE)
      if(field STREQUAL "msgctxt")
        set(ctxt "${value}")
      elseif(field STREQUAL "msgid")
        set(id "${value}")
      else()
        set(str "${value}")
      endif()
    elseif(line MATCHES "^\"(.*)\"[ \t]*$" AND NOT field STREQUAL "")
      if(field STREQUAL "msgctxt")
        string(APPEND ctxt "${CMAKE_MATCH_1}")
      elseif(field STREQUAL "msgid")
        string(APPEND id "${CMAKE_MATCH_1}")
      else()
        string(APPEND str "${CMAKE_MATCH_1}")
      endif()
    else()
      list(APPEND problems "${name}:${line_number}: a line that is not PO: ${line}")
    endif()
    if(line MATCHES "^(msg|\")")
      string(REGEX REPLACE "\\\\[\\\\\"nrt]" "" unescaped "${line}")
      if(unescaped MATCHES "\\\\")
        list(APPEND problems "${name}:${line_number}: an escape other than \\n, \\r, \\t, \\\" or \\\\")
      endif()
    endif()
  endforeach()
  finish_entry()

  set(${prefix}_KEYS "${keys}" PARENT_SCOPE)
  set(${prefix}_PROBLEMS "${problems}" PARENT_SCOPE)
endfunction()

# A field of a catalogue's header ("Language: zh_CN\n" gives zh_CN).
function(korvane_po_header_field out header field)
  string(REPLACE "\\n" ";" lines "${header}")
  set(${out} "" PARENT_SCOPE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^${field}:[ ]*(.*)$")
      set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# The text as the web page shows it: no access-key marks. "(&G)" after a
# Chinese text goes as a whole, "&x" becomes "x", and "&&" a single "&".
function(korvane_without_access_key out text)
  string(REGEX REPLACE "[(]&[A-Za-z0-9][)]" "" text "${text}")
  string(REPLACE "&&" "${KORVANE_PO_AMPERSAND}" text "${text}")
  string(REGEX REPLACE "&([A-Za-z0-9])" "\\1" text "${text}")
  string(REPLACE "${KORVANE_PO_AMPERSAND}" "&" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
