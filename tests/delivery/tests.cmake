korvane_find_test_tool(KORVANE_DESKTOP_FILE_VALIDATE desktop-file-validate desktop-file-utils)
korvane_find_test_tool(KORVANE_APPSTREAMCLI appstreamcli appstream)
add_test(NAME test_delivery_installed_tree
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/validate_install.sh ${CMAKE_BINARY_DIR})
# The Windows installer's script with its languages, which needs no Windows build.
korvane_find_test_tool(KORVANE_MAKENSIS makensis nsis)
add_test(NAME test_delivery_installer_script
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/installer_script.sh ${KORVANE_CATALOGUE_PYTHON})

# The installed program, driven by keyboard on a private X server.
korvane_find_test_tool(KORVANE_XDOTOOL xdotool xdotool)
korvane_find_test_tool(KORVANE_OPENBOX openbox openbox)
add_test(NAME test_delivery_end_to_end
  COMMAND ${KORVANE_ON_XVFB}
          bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/end_to_end.sh ${CMAKE_BINARY_DIR})
set_tests_properties(test_delivery_end_to_end PROPERTIES TIMEOUT 120)

# The Debian package as released, from a Release build: written, checked by
# lintian, and installed on a freshly bootstrapped Debian 12 (the first run
# bootstraps it and keeps it in the cache folder).
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT KORVANE_SANITIZE AND NOT WIN32)
  korvane_find_test_tool(KORVANE_CPACK_DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev)
  korvane_find_test_tool(KORVANE_LINTIAN lintian lintian)
  korvane_find_test_tool(KORVANE_DEBOOTSTRAP debootstrap debootstrap)
  add_test(NAME test_delivery_package
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/make_package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(test_delivery_package PROPERTIES
    FIXTURES_SETUP korvane_deb TIMEOUT 300)
  add_test(NAME test_delivery_lintian
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/lintian.sh ${CMAKE_BINARY_DIR}/package)
  set_tests_properties(test_delivery_lintian PROPERTIES
    FIXTURES_REQUIRED korvane_deb TIMEOUT 300)
  if(KORVANE_ON_XVFB AND KORVANE_XDOTOOL)
    add_test(NAME test_delivery_fresh_root
      COMMAND ${KORVANE_ON_XVFB}
              bash ${CMAKE_CURRENT_SOURCE_DIR}/delivery/fresh_root.sh
              ${CMAKE_BINARY_DIR}/package "${KORVANE_CAPTION}")
    # The first run downloads a minimal Debian and Qt into it: no time limit,
    # the script waits for the install as long as it runs, then for the window.
    set_tests_properties(test_delivery_fresh_root PROPERTIES
      FIXTURES_REQUIRED korvane_deb SKIP_RETURN_CODE 77 TIMEOUT 0)
  endif()
endif()
