# The dialogs that edit the settings (options, welcome, About). They reach the table window only
# through OptionsHost, so they build and test without it.
add_library(vorpo_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VConfig.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VConfigPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoIntro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designed_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_chooser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radio_group.cpp
)
target_include_directories(vorpo_dialogs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vorpo_dialogs
  PUBLIC vorpo_settings vorpo_engine vorpo_platform vorpo_ui Qt6::Widgets
  PRIVATE vorpo_resources)
vorpo_qt_target(vorpo_dialogs)
