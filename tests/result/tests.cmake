korvane_add_test(test_result_window
  SOURCES result/test_result_window.cpp LIBS korvane_test_support)
korvane_add_test(test_result_clipboard_guard
  SOURCES result/test_result_clipboard_guard.cpp LIBS korvane_test_support)
korvane_add_test(test_result_save
  SOURCES result/test_result_save.cpp LIBS korvane_test_support)
if(NOT WIN32)
  # The saved PDF's text, read back as a reader's tools read it.
  korvane_find_test_tool(KORVANE_PDFTOTEXT pdftotext poppler-utils)
  target_compile_definitions(test_result_save PRIVATE KORVANE_PDFTOTEXT="${KORVANE_PDFTOTEXT}")
endif()
