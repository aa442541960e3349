# Start-up cost guard: Korvane may execute at most 1.10 times the
# instructions of a bare Qt main window before its window is mapped
# (callgrind counts, which do not depend on the machine's load). Linux/X11
# only, and not in a sanitizer build, whose counts mean nothing.
if(UNIX AND NOT APPLE AND NOT KORVANE_SANITIZE)
  find_program(KORVANE_VALGRIND valgrind)
  if(NOT KORVANE_VALGRIND OR NOT KORVANE_XVFB_RUN)
    message(FATAL_ERROR "The start-up guard needs valgrind and xvfb-run (Debian packages valgrind, xvfb)")
  endif()
  add_executable(korvane_bare_window ${PROJECT_SOURCE_DIR}/bench/baseline.cpp)
  target_link_libraries(korvane_bare_window PRIVATE Qt6::Widgets)
  add_test(NAME test_speed_startup_instructions
    COMMAND ${KORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
            bash ${PROJECT_SOURCE_DIR}/bench/startup_instructions.sh
            $<TARGET_FILE:korvane> $<TARGET_FILE:korvane_bare_window> 1.10)
  set_tests_properties(test_speed_startup_instructions PROPERTIES TIMEOUT 600)
endif()
