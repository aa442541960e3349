korvane_add_window_tests(outreach update_reminder exit_promotion_window)
# The e-mail boxes again on X, where a middle click pastes the selection.
if(TEST test_outreach_exit_promotion_window AND KORVANE_ON_XVFB)
  get_test_property(test_outreach_exit_promotion_window ENVIRONMENT environment)
  list(TRANSFORM environment REPLACE "^QT_QPA_PLATFORM=.*" "QT_QPA_PLATFORM=xcb")
  add_test(NAME test_outreach_exit_promotion_window_x11
    COMMAND ${KORVANE_ON_XVFB}
            $<TARGET_FILE:test_outreach_exit_promotion_window> spacesHoweverTheyCome)
  set_tests_properties(test_outreach_exit_promotion_window_x11 PROPERTIES TIMEOUT 120
    ENVIRONMENT "${environment};KORVANE_REQUIRE_SELECTION=1")
endif()
