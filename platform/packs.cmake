# Card-image and sound packs: the resource-module reader and writer, bitmap resources, and
# (with the GUI) the SDL2 sound output, kept in a target of its own so that vorpo_platform
# never links SDL.
target_sources(vorpo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/resource_module.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pe_bitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pe_writer.cpp
)

if(VORPO_GUI)
  # SDL2's headers only: the library itself is loaded at the first sound.
  add_library(vorpo_audio STATIC ${CMAKE_CURRENT_LIST_DIR}/audio_output.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/sdl_audio_library.cpp)
  target_include_directories(vorpo_audio PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_include_directories(vorpo_audio SYSTEM PRIVATE
                             $<TARGET_PROPERTY:SDL2::SDL2,INTERFACE_INCLUDE_DIRECTORIES>)
  target_link_libraries(vorpo_audio PRIVATE ${CMAKE_DL_LIBS})
endif()
