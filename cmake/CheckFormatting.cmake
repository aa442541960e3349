# Checks that every tracked C++ source follows .clang-format:
#
#   cmake -DKORVANE_SOURCE_DIR=<root> -DCLANG_FORMAT=<clang-format> -P cmake/CheckFormatting.cmake
#
# Outside a git checkout it checks the C++ files of the source folders.
cmake_minimum_required(VERSION 3.25)

find_package(Git QUIET)
set(sources "")
if(GIT_FOUND AND EXISTS "${KORVANE_SOURCE_DIR}/.git")
  execute_process(
    COMMAND "${GIT_EXECUTABLE}" ls-files -- "*.cpp" "*.h" "*.h.in"
    WORKING_DIRECTORY "${KORVANE_SOURCE_DIR}"
    OUTPUT_VARIABLE tracked
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "git ls-files failed in ${KORVANE_SOURCE_DIR}")
  endif()
  string(REPLACE "\n" ";" tracked "${tracked}")
  foreach(file IN LISTS tracked)
    if(file)
      list(APPEND sources "${KORVANE_SOURCE_DIR}/${file}")
    endif()
  endforeach()
else()
  foreach(folder engine platform ui outreach result app tests fuzz bench)
    file(GLOB_RECURSE found "${KORVANE_SOURCE_DIR}/${folder}/*.cpp"
      "${KORVANE_SOURCE_DIR}/${folder}/*.h" "${KORVANE_SOURCE_DIR}/${folder}/*.h.in")
    list(APPEND sources ${found})
  endforeach()
endif()
list(LENGTH sources count)
if(count EQUAL 0)
  message(FATAL_ERROR "No C++ sources found under ${KORVANE_SOURCE_DIR}")
endif()

execute_process(
  COMMAND "${CLANG_FORMAT}" --style=file --dry-run -Werror ${sources}
  WORKING_DIRECTORY "${KORVANE_SOURCE_DIR}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Sources that differ from .clang-format are listed above; "
                      "run clang-format -i on them.")
endif()
message(STATUS "${count} C++ sources follow .clang-format")
