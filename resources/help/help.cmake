# The help file. The program looks for its own path with ".hlp", so the build puts the document
# beside the built program under that name, and beside it the same page as vorpo.html, the
# address the About box opens in a web browser. An installed program finds both in
# <prefix>/share/vorpo. Include after add_subdirectory(app).
include(GNUInstallDirs)
set(vorpo_help_source ${CMAKE_CURRENT_LIST_DIR}/vorpo.html)
get_target_property(vorpo_program_dir vorpo BINARY_DIR)
set(vorpo_help_built ${vorpo_program_dir}/vorpo.hlp ${vorpo_program_dir}/vorpo.html)
add_custom_command(
  OUTPUT ${vorpo_help_built}
  COMMAND ${CMAKE_COMMAND} -E copy ${vorpo_help_source} ${vorpo_program_dir}/vorpo.hlp
  COMMAND ${CMAKE_COMMAND} -E copy ${vorpo_help_source} ${vorpo_program_dir}/vorpo.html
  DEPENDS ${vorpo_help_source}
  COMMENT "Placing the help file beside the program")
add_custom_target(vorpo_help ALL DEPENDS ${vorpo_help_built})
add_dependencies(vorpo vorpo_help)

install(FILES ${vorpo_help_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/vorpo RENAME vorpo.hlp)
install(FILES ${vorpo_help_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/vorpo)
