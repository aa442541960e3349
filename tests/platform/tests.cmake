# Tests of the layer of Korvane that talks to the desktop.

# Stand-ins for other programs: a second copy of Korvane, and another program
# that owns the X clipboard.
add_executable(platform_instance_holder platform/instance_holder.cpp)
target_link_libraries(platform_instance_holder PRIVATE korvane_platform)

korvane_add_window_tests(platform single_instance qt_platform)
target_compile_definitions(test_platform_single_instance PRIVATE
  HELPER_PATH="${KORVANE_TEST_PATH_PREFIX}$<TARGET_FILE:platform_instance_holder>")
add_dependencies(test_platform_single_instance platform_instance_holder)

# The clipboard's owner and selection are an X11 matter.
if(NOT WIN32)
  add_executable(platform_clipboard_owner platform/clipboard_owner.cpp)
  target_link_libraries(platform_clipboard_owner PRIVATE Qt6::Gui)
  korvane_add_test(test_platform_clipboard
    SOURCES platform/test_platform_clipboard.cpp
    LIBS korvane_test_support
    X11)
  target_compile_definitions(test_platform_clipboard PRIVATE
    HELPER_PATH="$<TARGET_FILE:platform_clipboard_owner>")
  add_dependencies(test_platform_clipboard platform_clipboard_owner)
endif()
