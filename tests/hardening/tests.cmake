add_test(NAME test_hardening_no_display
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/hardening/no_display.sh $<TARGET_FILE:korvane>)
if(KORVANE_ON_XVFB AND KORVANE_XDOTOOL AND KORVANE_OPENBOX)
  add_test(NAME test_hardening_starts_anyway
    COMMAND ${KORVANE_ON_XVFB}
            bash ${CMAKE_CURRENT_SOURCE_DIR}/hardening/starts_anyway.sh $<TARGET_FILE:korvane>
            ${KORVANE_IDENTITY_SCRIPT})
  # 77: a case that needs root was skipped.
  set_tests_properties(test_hardening_starts_anyway PROPERTIES TIMEOUT 180 SKIP_RETURN_CODE 77)
endif()
