# What `cmake --install` puts on the system besides the help file (resources/help/help.cmake):
# the program, its desktop entry, its icon in the hicolor theme and its AppStream metainfo. The
# desktop entry, icon and metainfo share the application's id. Include after add_subdirectory(app).
include(GNUInstallDirs)
set(vorpo_app_id io.github.vorpo.Vorpo)
set(vorpo_icons ${CMAKE_CURRENT_LIST_DIR}/../icons)

install(TARGETS vorpo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${vorpo_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo's release is the project's version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/${vorpo_app_id}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${vorpo_app_id}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${vorpo_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 256)
  install(FILES ${vorpo_icons}/vorpo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${vorpo_app_id}.png)
endforeach()
