# Installing the game: `cmake --install BUILD [--prefix P]` (or `make install PREFIX=P`).
#   <prefix>/<QV_INSTALL_BINDIR>/quorvex, qvtool      the game and its tool
#   <prefix>/share/games/quorvex/graphics.dat          the content
#   <prefix>/share/games/quorvex/options.dat           the options of a fresh installation
#   <prefix>/share/applications/quorvex.desktop        the desktop entry
#   <prefix>/share/icons/hicolor/64x64/apps/quorvex.png
# The game finds its content in ../share/games/quorvex beside its own folder; when that folder
# is not writable, the player's files go to $XDG_DATA_HOME/quorvex (or ~/.local/share/quorvex).
include(GNUInstallDirs)
set(QV_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder under the prefix for the executables (bin, or games for a Debian package)")

set(QV_ICON ${CMAKE_BINARY_DIR}/icon/quorvex.png)
add_custom_command(OUTPUT ${QV_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
  COMMAND assetgen --icon ${QV_ICON}
  DEPENDS assetgen
  COMMENT "Drawing the application icon")
add_custom_target(icon ALL DEPENDS ${QV_ICON})

install(TARGETS quorvex qvtool RUNTIME DESTINATION ${QV_INSTALL_BINDIR})
install(FILES ${QV_BIN_DIR}/graphics.dat DESTINATION share/games/quorvex)
install(FILES ${CMAKE_SOURCE_DIR}/data/options.default DESTINATION share/games/quorvex
        RENAME options.dat)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/quorvex.desktop DESTINATION share/applications)
install(FILES ${QV_ICON} DESTINATION share/icons/hicolor/64x64/apps)
