# Where the Linux programs and their desktop files go when installed, and the Debian
# package made from that (scripts/package-linux runs cpack on a Release build).
# QUELLARCH_APP_ID (set in the top CMakeLists.txt) names the desktop entry, the icon and
# the AppStream file; the window tells Qt the same name so the desktop finds its entry.
include(GNUInstallDirs)

set(QUELLARCH_BETREUER "Quellarch maintainers <maintainers@quellarch.example>"
    CACHE STRING "The package's Maintainer field and the changelog's signature")
set(paket ${PROJECT_SOURCE_DIR}/packaging/linux)
set(ziel ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS quellarch quellarch-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${paket}/${QUELLARCH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${paket}/${QUELLARCH_APP_ID}.metainfo.xml.in ${ziel}/${QUELLARCH_APP_ID}.metainfo.xml @ONLY)
install(FILES ${ziel}/${QUELLARCH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/src/app/icon/quellarch.svg
        DESTINATION ${hicolor}/scalable/apps RENAME ${QUELLARCH_APP_ID}.svg)
foreach(groesse 48 256)
  install(FILES ${QUELLARCH_ICON_PNG_${groesse}}
          DESTINATION ${hicolor}/${groesse}x${groesse}/apps RENAME ${QUELLARCH_APP_ID}.png)
endforeach()

# Man pages and the changelog are compressed the way Debian's policy asks: gzip -9
# without a name or time stamp inside, so the same sources give the same bytes.
set(gepackt)
foreach(datei quellarch.1 quellarch-cli.1 de/quellarch.1 de/quellarch-cli.1 changelog.in)
  string(REPLACE ".in" "" name ${datei})
  configure_file(${paket}/${datei} ${ziel}/${name} @ONLY)
  add_custom_command(OUTPUT ${ziel}/${name}.gz
    COMMAND gzip -9 -n -f -k ${ziel}/${name}
    DEPENDS ${ziel}/${name} VERBATIM)
  list(APPEND gepackt ${ziel}/${name}.gz)
endforeach()
add_custom_target(quellarch_paketdateien ALL DEPENDS ${gepackt})
# English man pages, and the German ones where man finds them for a German locale.
install(FILES ${ziel}/quellarch.1.gz ${ziel}/quellarch-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ziel}/de/quellarch.1.gz ${ziel}/de/quellarch-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
set(doc ${CMAKE_INSTALL_DATADIR}/doc/quellarch)
install(FILES ${paket}/copyright ${ziel}/changelog.gz DESTINATION ${doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quellarch)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/cpack)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUELLARCH_BETREUER})
set(CPACK_PACKAGE_CONTACT ${QUELLARCH_BETREUER})
# "games" is for packages with programs in /usr/games; this one manages a game's files.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manager for Dawn of War replay files")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quellarch keeps a library folder of Dawn of War replays (*.rec) in a sortable\n"
    "list, shows a replay's players, races, teams and win conditions, imports the\n"
    "replays the game leaves in its Playback folder, copies checked ones back,\n"
    "renames the name stored in a replay file and starts the game. It finds the\n"
    "game in Wine prefixes and in Steam, Lutris, Heroic and Bottles. It speaks\n"
    "English and German; quellarch-cli does the same without a window.")
# The libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
