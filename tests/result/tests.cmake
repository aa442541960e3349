korvane_add_test(test_result_window
  SOURCES result/test_result_window.cpp LIBS korvane_test_support)
