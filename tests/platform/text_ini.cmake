# Tests of the CP932 text module, the INI file, whole-file reads and writes and the program's
# paths.
add_executable(vorpo_platform_text_tests
  ${CMAKE_CURRENT_LIST_DIR}/cp932_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_path_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/whole_file_test.cpp
)
target_link_libraries(vorpo_platform_text_tests PRIVATE vorpo_platform vorpo_engine GTest::gtest_main)
gtest_discover_tests(vorpo_platform_text_tests)
