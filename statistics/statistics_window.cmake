# The statistics dialog.
add_library(vorpo_statistics_window STATIC ${CMAKE_CURRENT_LIST_DIR}/VorpoStatistics.cpp)
target_include_directories(vorpo_statistics_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vorpo_statistics_window PUBLIC vorpo_statistics vorpo_ui Qt6::Widgets)
vorpo_qt_target(vorpo_statistics_window)
