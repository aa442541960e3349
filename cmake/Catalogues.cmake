# The language catalogues, i18n/<code>.po: every PO file there is one of the
# program's languages, English (en.po) the source. One reader reads them,
# scripts/catalogues/po.py, in Python with Debian's polib.
#   KORVANE_CATALOGUES         the codes, English first, then by code
#   KORVANE_CATALOGUE_FILES    the PO files
#   KORVANE_CATALOGUE_PYTHON   the command that runs a script of the reader
#   KORVANE_CATALOGUE_TOOLS    the reader's folder
#   KORVANE_CATALOGUE_DEPENDS  what a file written from the catalogues depends on
#   korvane_english_text(VARIABLE KEY)  an English text, when configuring

function(korvane_has_polib result python)
  execute_process(COMMAND "${python}" -c "import polib" RESULT_VARIABLE failed
    OUTPUT_QUIET ERROR_QUIET)
  if(failed)
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()
# A Python of its own earlier on the PATH may lack polib: the first that has it.
find_program(KORVANE_PYTHON python3 VALIDATOR korvane_has_polib)
if(NOT KORVANE_PYTHON)
  message(FATAL_ERROR "Reading the language catalogues needs Python 3 with polib "
    "(Debian: python3-polib); scripts/install-dependencies.sh installs it.")
endif()
# -B: no bytecode written into the source tree.
set(KORVANE_CATALOGUE_PYTHON ${KORVANE_PYTHON} -B)

get_filename_component(KORVANE_CATALOGUE_TOOLS "${CMAKE_CURRENT_LIST_DIR}/../scripts/catalogues" ABSOLUTE)
# A new PO file configures the build again.
file(GLOB KORVANE_CATALOGUE_FILES CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/../i18n/*.po")
set(KORVANE_CATALOGUES en)
foreach(file IN LISTS KORVANE_CATALOGUE_FILES)
  get_filename_component(code "${file}" NAME_WE)
  if(NOT code STREQUAL "en")
    list(APPEND KORVANE_CATALOGUES ${code})
  endif()
endforeach()
set(KORVANE_CATALOGUE_DEPENDS ${KORVANE_CATALOGUE_FILES} ${KORVANE_CATALOGUE_TOOLS}/po.py)

function(korvane_english_text variable key)
  set(english ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../i18n/en.po)
  execute_process(COMMAND ${KORVANE_CATALOGUE_PYTHON} ${KORVANE_CATALOGUE_TOOLS}/entry.py
                          ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../i18n en ${key}
    OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "i18n/en.po has no text ${key}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${english})
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
