korvane_find_test_tool(KORVANE_MSGFMT msgfmt gettext)
# Every catalogue is complete, agrees with the English one and is in use.
add_test(NAME test_catalogues
  COMMAND ${KORVANE_CATALOGUE_PYTHON} ${KORVANE_CATALOGUE_TOOLS}/check.py ${PROJECT_SOURCE_DIR}
          --msgfmt ${KORVANE_MSGFMT})
# The check itself finds each kind of fault, in catalogues made for it.
add_test(NAME test_catalogues_catches
  COMMAND ${KORVANE_CATALOGUE_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/catalogues/catches.py
          ${KORVANE_CATALOGUE_TOOLS}/check.py ${KORVANE_MSGFMT})
# The scripts read a text whole however its lines are wrapped.
add_test(NAME test_catalogues_script_texts
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/catalogues/script_texts.sh es
          promo.forum sign.aries.text menu.help)
