# Tests of the Windows build. Cross-built, each runs under Wine on Qt's
# offscreen platform through run_suite.sh; the Wine prefix comes from the
# caller (tests/windows/run.sh makes a fresh one) or from run_suite.sh itself.

if(CMAKE_CROSSCOMPILING)
  find_program(KORVANE_WINE NAMES wine wine64 REQUIRED)
  # Wine sees the host's files on drive Z:.
  set(KORVANE_TEST_PATH_PREFIX "Z:")
  set(wine_path)
  foreach(dir IN LISTS KORVANE_WINDOWS_DLL_DIRS)
    list(APPEND wine_path "Z:${dir}")
  endforeach()
  string(REPLACE ";" "\\;" KORVANE_WINE_PATH "${wine_path}")
else()
  set(KORVANE_TEST_PATH_PREFIX "")
endif()

function(korvane_add_windows_test name)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name}
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/run_suite.sh ${KORVANE_WINE}
              $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT
      "WINEPATH=${KORVANE_WINE_PATH};WINEQT_QPA_PLATFORM=offscreen;WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu;WINEDEBUG=-all")
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
