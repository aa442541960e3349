korvane_add_window_tests(app birth_details_window start_and_end layout accessibility themes
  about_window)
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
# The same under GNOME's dark theme through Qt's GTK platform theme, on a real
# X server. It fails when the theme does not make the desktop dark, since
# the installer brings it.
if(KORVANE_ON_XVFB)
  add_test(NAME test_app_themes_gtk_dark
    COMMAND ${KORVANE_ON_XVFB} $<TARGET_FILE:test_app_themes>)
  korvane_test_home(test_app_themes_gtk_dark environment)
  set_tests_properties(test_app_themes_gtk_dark PROPERTIES TIMEOUT 120 ENVIRONMENT
    "${environment};QT_QPA_PLATFORM=xcb;QT_QPA_PLATFORMTHEME=gtk3;GTK_THEME=Adwaita:dark;KORVANE_REQUIRE_DARK_THEME=1")
endif()
korvane_add_test(test_app_first_frame
  SOURCES app/test_app_first_frame.cpp LIBS korvane_gui
  X11)
