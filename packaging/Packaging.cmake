# Installing Quorvex on a desktop, and its Debian package (`make package`).
#
# `cmake --install build` puts the program, its menu entry, its icon (SVG and 256 px PNG) and
# the file type of saved games (*.Game), so that a desktop opens a saved game with Quorvex.
include(GNUInstallDirs)

install(TARGETS quorvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvex-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvex.xml)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon/quorvex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon/quorvex.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# The package: its dependencies are read from the shared libraries the program links, so it
# installs with `apt install ./quorvex_*.deb` on the Debian release it was built on. Debian's own
# triggers bring the desktop's menu, file types and icon cache up to date.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR "Quorvex")
set(CPACK_PACKAGE_CONTACT "Quorvex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based trading game for up to six companies at one machine")
# The synopsis is the summary above; this is the long description beneath it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvex is a hot-seat trading and business game. Up to six companies take
turns at one machine against up to twelve computer companies, trading 25 goods
among twelve planets and running mines, factories and a sales office, until
one is worth 250,000,000 pounds.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
