# The score sheet window.
if(VORPO_GUI)
  add_library(vorpo_score_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/VorpoScore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/results_save_dialog.cpp
  )
  target_include_directories(vorpo_score_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(vorpo_score_window
    PUBLIC vorpo_results vorpo_settings vorpo_ui Qt6::Widgets)
  vorpo_qt_target(vorpo_score_window)
endif()
