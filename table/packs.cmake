# The image lists and the card-image and sound packs, in a library of their own so that their
# tests and fuzz targets do not need the table window; vorpo_table links it.
add_library(vorpo_packs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/image_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_pack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_pack.cpp
)
target_include_directories(vorpo_packs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vorpo_packs PUBLIC vorpo_platform vorpo_audio vorpo_ui Qt6::Widgets
                                  PRIVATE vorpo_resources vorpo_artwork)
vorpo_qt_target(vorpo_packs)
target_link_libraries(vorpo_table PUBLIC vorpo_packs)
