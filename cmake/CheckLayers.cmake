# Checks that every folder of the program includes only the folders below it:
#
#   cmake -DKORVANE_SOURCE_DIR=<root> -P cmake/CheckLayers.cmake
#
# Prints the include graph between the folders and fails on an include that
# goes the wrong way, on a header that no folder owns, and on Qt in the engine.
cmake_minimum_required(VERSION 3.25)

# Each folder and the folders it may include, lowest first.
set(layers engine platform ui outreach result app)
set(allowed_engine "")
set(allowed_platform identity)
set(allowed_ui platform engine identity)
set(allowed_outreach ui platform engine identity)
set(allowed_result outreach ui platform engine identity)
set(allowed_app result outreach ui platform engine identity)

if(NOT KORVANE_SOURCE_DIR)
  message(FATAL_ERROR "Set KORVANE_SOURCE_DIR to the source tree to check")
endif()

# Which folder owns each header; a configured header belongs to the folder of
# its template. The program's identity, configured from cmake/, lies below
# every folder but the engine, which needs none of it.
file(GLOB identity_headers RELATIVE "${KORVANE_SOURCE_DIR}/cmake" "${KORVANE_SOURCE_DIR}/cmake/*.h.in")
foreach(header IN LISTS identity_headers)
  string(REGEX REPLACE "\\.in$" "" header "${header}")
  set("owner_${header}" identity)
endforeach()
# The shown texts' header is written from the catalogues for the engine.
set(owner_korvane_texts.h engine)
foreach(layer IN LISTS layers)
  file(GLOB headers RELATIVE "${KORVANE_SOURCE_DIR}/${layer}"
    "${KORVANE_SOURCE_DIR}/${layer}/*.h" "${KORVANE_SOURCE_DIR}/${layer}/*.h.in")
  foreach(header IN LISTS headers)
    string(REGEX REPLACE "\\.in$" "" header "${header}")
    set("owner_${header}" ${layer})
  endforeach()
endforeach()

set(problems "")
foreach(layer IN LISTS layers)
  set(reaches "")
  file(GLOB sources "${KORVANE_SOURCE_DIR}/${layer}/*.h" "${KORVANE_SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH shown "${KORVANE_SOURCE_DIR}" "${source}")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"].*$" "\\1;\\2"
        parsed "${line}")
      list(GET parsed 0 kind)
      list(GET parsed 1 name)
      if(kind STREQUAL "<")
        if(layer STREQUAL "engine" AND name MATCHES "^(Q|qt)")
          list(APPEND problems "${shown}: the engine is standard C++ only, but includes <${name}>")
        endif()
        continue()
      endif()
      if(NOT DEFINED "owner_${name}")
        list(APPEND problems "${shown}: \"${name}\" belongs to none of the folders")
        continue()
      endif()
      set(owner "${owner_${name}}")
      if(owner STREQUAL layer)
        continue()
      endif()
      list(APPEND reaches ${owner})
      if(NOT owner IN_LIST allowed_${layer})
        list(APPEND problems "${shown}: ${layer}/ may not include ${owner}/ (\"${name}\")")
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES reaches)
  list(JOIN reaches ", " reaches)
  if(reaches STREQUAL "")
    set(reaches "-")
  endif()
  message(STATUS "${layer} -> ${reaches}")
endforeach()

if(problems)
  list(JOIN problems "\n  " problems)
  message(FATAL_ERROR "Includes against the layering:\n  ${problems}")
endif()
