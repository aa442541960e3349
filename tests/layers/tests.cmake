# The folders include one another only downwards (cmake/CheckLayers.cmake).
add_test(NAME test_layers
  COMMAND ${CMAKE_COMMAND} -DKORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)

# The check itself catches each kind of wrong include, in small trees made
# for it.
function(korvane_add_layers_check_test name expected)
  add_test(NAME test_layers_catches_${name}
    COMMAND ${CMAKE_COMMAND} -DKORVANE_SOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/layers/${name}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
  set_tests_properties(test_layers_catches_${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "${expected}")
endfunction()
korvane_add_layers_check_test(wrong_way "engine/reading\\.h: engine/ may not include ui/")
korvane_add_layers_check_test(qt_in_engine "engine/reading\\.h: the engine is standard C\\+\\+ only")
korvane_add_layers_check_test(unowned "app/window\\.cpp: \"nowhere\\.h\" belongs to none")
