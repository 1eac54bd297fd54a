# The Debian package (`make package`): the install tree under /usr, the game in /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvex team <team@quorvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "physics construction game: build a tower of goo balls")
set(CPACK_PACKAGE_DESCRIPTION
    "Coloured goo balls fall, crawl over the hills and climb a tower of elastic\n links; pick one up and drop it near the tower to build it higher. Classic,\n relay and unlimited games, an experience shop, a record book, music.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-2.0-0, libsdl2-mixer-2.0-0, libpng16-16, libfreetype6, zlib1g, libc6, libstdc++6")
# Debian wants the changelog compressed and a copyright file among the package's documents.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION share/doc/quorvex)
include(CPack)
