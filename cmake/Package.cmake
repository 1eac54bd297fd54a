# The Debian package (`make package`): the install tree under /usr, the game in /usr/games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvex team <team@quorvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "physics construction game: build a tower of goo balls")
set(CPACK_PACKAGE_DESCRIPTION
    "Coloured goo balls fall, crawl over the hills and climb a tower of elastic links; pick one\n up and drop it near the tower to build it higher. Classic, relay and unlimited games, an\n experience shop, a record book, music and effects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsdl2-2.0-0, libsdl2-mixer-2.0-0, libpng16-16, libfreetype6, zlib1g, libc6, libstdc++6")
include(CPack)
