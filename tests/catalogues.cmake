# Every catalogue is complete, agrees with the English one and is in use
# (cmake/CheckCatalogues.cmake).
add_test(NAME test_catalogues
  COMMAND ${CMAKE_COMMAND} -DKORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckCatalogues.cmake)

# The check itself finds each kind of fault, in catalogues made for it.
set(faults
  "xx.po: k.key: placeholders none, line breaks 0, access keys 0, where the English has placeholders none, line breaks 0, access keys 1"
  "xx.po: k.placeholder: placeholders %2, line breaks 0, access keys 0, where the English has placeholders %1,"
  "xx.po: k.lines: placeholders none, line breaks 1, access keys 0, where the English has placeholders none, line breaks 2,"
  "xx.po: k.changed: stale, translated from an English text that has changed"
  "xx.po: k.empty: empty"
  "xx.po: k.fuzzy: marked fuzzy"
  "xx.po: k.missing: missing"
  "xx.po: k.extra: stale, the English catalogue has no such entry"
  "en.po: k.unused: nothing shows it"
  "xx.po: its header's X-Korvane-Date-Order")
set(number 0)
foreach(fault IN LISTS faults)
  math(EXPR number "${number} + 1")
  string(REGEX REPLACE "([.%()])" "[\\1]" pattern "${fault}")
  add_test(NAME test_catalogues_catches_${number}
    COMMAND ${CMAKE_COMMAND} -DKORVANE_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/catalogues/broken
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckCatalogues.cmake)
  set_tests_properties(test_catalogues_catches_${number} PROPERTIES
    PASS_REGULAR_EXPRESSION "${pattern}")
endforeach()
