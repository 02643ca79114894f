# What the program gives back to the system once it is up: the pages of the font files.
target_sources(vorpo_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/font_file_pages.cpp
)
