# The table window TForm1 (VorpoMain.*) and its image controls, labels, geometry and style.
target_sources(vorpo_table PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain.h
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_statistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VorpoMain_zoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_names.h
  ${CMAKE_CURRENT_LIST_DIR}/card_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hand_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hand_selection.h
  ${CMAKE_CURRENT_LIST_DIR}/hand_selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/human_hand_accessible.h
  ${CMAKE_CURRENT_LIST_DIR}/human_hand_accessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_mark.h
  ${CMAKE_CURRENT_LIST_DIR}/selection_mark.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raised_bevel.h
  ${CMAKE_CURRENT_LIST_DIR}/raised_bevel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_control.h
  ${CMAKE_CURRENT_LIST_DIR}/image_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_label.h
  ${CMAKE_CURRENT_LIST_DIR}/table_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_piece.h
  ${CMAKE_CURRENT_LIST_DIR}/table_piece.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_style.cpp
)
target_link_libraries(vorpo_table PUBLIC vorpo_settings vorpo_results vorpo_dialogs vorpo_score_window
  vorpo_statistics vorpo_statistics_window PRIVATE vorpo_resources)
