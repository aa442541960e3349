korvane_add_test(test_outreach_update_reminder SOURCES outreach/test_outreach_update_reminder.cpp LIBS korvane_test_support)
korvane_add_test(test_outreach_exit_promotion_window SOURCES outreach/test_outreach_exit_promotion_window.cpp LIBS korvane_test_support)
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
