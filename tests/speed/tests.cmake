# Linux/X11 only, and not in a sanitizer build, whose counts and memory
# figures mean nothing.
if(UNIX AND NOT APPLE AND NOT KORVANE_SANITIZE)
  find_program(KORVANE_VALGRIND valgrind)
  if(NOT KORVANE_VALGRIND OR NOT KORVANE_ON_XVFB)
    message(FATAL_ERROR "The start-up guard needs valgrind and Xvfb (Debian packages valgrind, xvfb)")
  endif()
  # Start-up cost guard, in callgrind counts (which do not depend on the
  # machine's load) against a bare Qt main window: until the first frame
  # goes to the X server Korvane may execute at most 1.30 times its
  # instructions (1.28 measured; its texts, fonts and controls cost about
  # 15 M to draw, the bare window's menu bar half a million), and until its
  # window is mapped at most 1.10 times (1.00 measured).
  add_executable(korvane_bare_window ${PROJECT_SOURCE_DIR}/bench/baseline.cpp)
  target_link_libraries(korvane_bare_window PRIVATE Qt6::Widgets)
  add_test(NAME test_speed_startup_instructions
    COMMAND ${KORVANE_ON_XVFB}
            bash ${PROJECT_SOURCE_DIR}/bench/startup_instructions.sh
            $<TARGET_FILE:korvane> $<TARGET_FILE:korvane_bare_window> 1.30 1.10)
  set_tests_properties(test_speed_startup_instructions PROPERTIES TIMEOUT 600)

  # A long session holds its memory: 200 readings in one process, and the
  # resident memory may grow by at most 2 kB a reading from the 50th on.
  # Once warm, the program measured about 0.2 kB; a result window kept
  # after Back costs several hundred.
  add_executable(korvane_reading_soak ${PROJECT_SOURCE_DIR}/bench/reading_soak.cpp)
  target_link_libraries(korvane_reading_soak PRIVATE korvane_gui Qt6::Test)
  target_include_directories(korvane_reading_soak PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  add_test(NAME test_speed_long_session
    COMMAND ${KORVANE_ON_XVFB}
            $<TARGET_FILE:korvane_reading_soak> 200 50 --max-kb-per-reading 2)
  korvane_test_home(test_speed_long_session environment)
  set_tests_properties(test_speed_long_session PROPERTIES TIMEOUT 300 ENVIRONMENT
    "${environment};QT_QPA_PLATFORM=xcb")
endif()
