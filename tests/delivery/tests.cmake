find_program(KORVANE_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(KORVANE_APPSTREAMCLI appstreamcli REQUIRED)
add_test(NAME test_delivery_installed_tree
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/validate_install.sh ${CMAKE_BINARY_DIR})

# The installed program, driven by keyboard on a private X server.
find_program(KORVANE_XDOTOOL xdotool)
find_program(KORVANE_OPENBOX openbox)
if(KORVANE_XVFB_RUN AND KORVANE_XDOTOOL AND KORVANE_OPENBOX)
  add_test(NAME test_delivery_end_to_end
    COMMAND ${KORVANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
            bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/end_to_end.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(test_delivery_end_to_end PROPERTIES TIMEOUT 120)
else()
  message(WARNING "xvfb-run, xdotool or openbox missing: the end-to-end test is skipped")
endif()
