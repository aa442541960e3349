korvane_add_window_tests(result window clipboard_guard save)
if(NOT WIN32)
  # The saved PDF's text, read back as a reader's tools read it.
  korvane_find_test_tool(KORVANE_PDFTOTEXT pdftotext poppler-utils)
  target_compile_definitions(test_result_save PRIVATE KORVANE_PDFTOTEXT="${KORVANE_PDFTOTEXT}")
endif()
