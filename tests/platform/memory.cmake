# Tests of what the program gives back to the system once it is up.
add_executable(vorpo_platform_memory_tests ${CMAKE_CURRENT_LIST_DIR}/font_file_pages_test.cpp)
target_link_libraries(vorpo_platform_memory_tests PRIVATE vorpo_platform GTest::gtest_main)
gtest_discover_tests(vorpo_platform_memory_tests)
