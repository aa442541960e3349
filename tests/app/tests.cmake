korvane_add_test(test_app_birth_details_window
  SOURCES app/test_app_birth_details_window.cpp LIBS korvane_test_support)
korvane_add_test(test_app_start_and_end
  SOURCES app/test_app_start_and_end.cpp LIBS korvane_test_support)
korvane_add_test(test_app_layout
  SOURCES app/test_app_layout.cpp LIBS korvane_test_support)
korvane_add_test(test_app_accessibility
  SOURCES app/test_app_accessibility.cpp LIBS korvane_test_support)
