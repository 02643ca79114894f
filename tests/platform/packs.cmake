# Tests of the resource-module reader and writer and of the bitmap-resource helpers.
add_executable(vorpo_platform_pack_tests
  ${CMAKE_CURRENT_LIST_DIR}/resource_module_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pe_bitmap_test.cpp
)
target_link_libraries(vorpo_platform_pack_tests PRIVATE vorpo_platform GTest::gtest_main)
gtest_discover_tests(vorpo_platform_pack_tests)
