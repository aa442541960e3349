korvane_add_test(test_ui_frame_group
  SOURCES ui/test_ui_frame_group.cpp LIBS korvane_test_support)
