# Every tracked C++ source follows .clang-format.
find_program(KORVANE_CLANG_FORMAT clang-format REQUIRED)
add_test(NAME test_formatting
  COMMAND ${CMAKE_COMMAND} -DKORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DCLANG_FORMAT=${KORVANE_CLANG_FORMAT}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckFormatting.cmake)
