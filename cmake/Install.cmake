# Installation: the game under lib/burrowix with the launcher bin/burrowix that runs it in the
# player's own folder, the tools in bin, the generated packs, fonts (with their licences) and the
# shipped solutions' replays (replays/packP) under share/burrowix, the desktop entry, icons,
# metainfo and man page. `cpack -G DEB` packs the same.
set(BURROWIX_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)

install(TARGETS burrowix RUNTIME DESTINATION lib/burrowix)
install(PROGRAMS ${BURROWIX_DESKTOP_DIR}/burrowix-launcher.sh DESTINATION bin RENAME burrowix)
install(TARGETS burrowix-pak burrowix-level burrowix-image burrowix-sim burrowix-mkdata RUNTIME DESTINATION bin)
install(DIRECTORY ${BURROWIX_GAME_DIR}/ DESTINATION share/burrowix
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        FILES_MATCHING PATTERN "*.pak" PATTERN "*.ttf" PATTERN "*.txt" PATTERN "*.rpl")
install(FILES ${BURROWIX_DESKTOP_DIR}/org.burrowix.Burrowix.desktop DESTINATION share/applications)
install(FILES ${BURROWIX_DESKTOP_DIR}/org.burrowix.Burrowix.metainfo.xml DESTINATION share/metainfo)
install(FILES ${BURROWIX_DESKTOP_DIR}/burrowix.6 DESTINATION share/man/man6)
foreach(size IN ITEMS 48 64 128 256)
  install(FILES ${BURROWIX_ICON_DIR}/burrowix-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME burrowix.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME burrowix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Burrowix")
set(CPACK_PACKAGE_CONTACT "Burrowix maintainers <maintainers@burrowix.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "2-D arcade game: dig tunnels, collect gold, outwit the creatures underground")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
