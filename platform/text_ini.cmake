# Text at the file boundary (UTF-8 <-> CP932), the INI file and the program's own paths.
target_sources(vorpo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cp932_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_paths.cpp
)
