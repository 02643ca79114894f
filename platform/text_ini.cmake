# Text at the file boundary (UTF-8 <-> CP932), the INI file, the program's own paths and the
# replacing of a file all at once.
target_sources(vorpo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cp932_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/whole_file.cpp
)
