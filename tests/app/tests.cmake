korvane_add_test(test_app_birth_details_window
  SOURCES app/test_app_birth_details_window.cpp LIBS korvane_test_support)
korvane_add_test(test_app_start_and_end
  SOURCES app/test_app_start_and_end.cpp LIBS korvane_test_support)
korvane_add_test(test_app_layout
  SOURCES app/test_app_layout.cpp LIBS korvane_test_support)
# The layout again in every language that the environment names, at the
# scale of one and at twice the pixels. Not under Wine: there the program
# takes Windows' display language, which these runs do not set.
if(TEST test_app_layout)
  set_property(TEST test_app_layout APPEND PROPERTY ENVIRONMENT KORVANE_TEST_CATALOGUE=en)
endif()
if(TEST test_app_layout AND NOT WIN32)
  get_test_property(test_app_layout ENVIRONMENT layout_environment)
  foreach(code IN LISTS KORVANE_CATALOGUES)
    foreach(scale 1 2)
      if(code STREQUAL "en" AND scale EQUAL 1)
        continue()
      endif()
      add_test(NAME test_app_layout_${code}_${scale} COMMAND test_app_layout)
      set_tests_properties(test_app_layout_${code}_${scale} PROPERTIES TIMEOUT 120 ENVIRONMENT
        "${layout_environment};LANGUAGE=${code};QT_SCALE_FACTOR=${scale};KORVANE_TEST_CATALOGUE=${code}")
    endforeach()
  endforeach()
endif()
korvane_add_test(test_app_accessibility
  SOURCES app/test_app_accessibility.cpp LIBS korvane_test_support)
korvane_add_test(test_app_themes
  SOURCES app/test_app_themes.cpp LIBS korvane_test_support)
# The same under GNOME's dark theme through Qt's GTK platform theme, on a real
# X server. It fails when the theme does not make the desktop dark, since
# the installer brings it.
if(KORVANE_ON_XVFB)
  add_test(NAME test_app_themes_gtk_dark
    COMMAND ${KORVANE_ON_XVFB} $<TARGET_FILE:test_app_themes>)
  set(home ${CMAKE_CURRENT_BINARY_DIR}/home/test_app_themes_gtk_dark)
  set_tests_properties(test_app_themes_gtk_dark PROPERTIES TIMEOUT 120 ENVIRONMENT
    "HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/runtime;LC_ALL=C.UTF-8;QT_QPA_PLATFORM=xcb;QT_QPA_PLATFORMTHEME=gtk3;GTK_THEME=Adwaita:dark;KORVANE_REQUIRE_DARK_THEME=1")
  file(MAKE_DIRECTORY ${home}/runtime)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endif()
korvane_add_test(test_app_about_window
  SOURCES app/test_app_about_window.cpp LIBS korvane_test_support)
korvane_add_test(test_app_first_frame
  SOURCES app/test_app_first_frame.cpp LIBS korvane_gui
  X11)
