# Installs the wizard as a desktop application (program, menu entry, icons,
# software-centre description) and packs it as a Debian package.
include(GNUInstallDirs)

set(VANTOR_APP_ID io.github.vantor.wizard)
set(vantor_desktop_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop)
set(vantor_image_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources/images)

install(TARGETS vantor-wizard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${vantor_desktop_dir}/${VANTOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${vantor_desktop_dir}/${VANTOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon theme finds an icon by the application id, so each size is renamed;
# the drawing itself serves every size the theme has no picture for.
foreach(size IN ITEMS 16 24 32 48 64 128 256)
    install(FILES ${vantor_image_dir}/application-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VANTOR_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/artwork/application.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VANTOR_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor-wizard)
set(CPACK_PACKAGE_VENDOR "VANTOR")
set(CPACK_PACKAGE_CONTACT "VANTOR wizard developers <wizard@vantor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VANTOR FTP SERVER configuration wizard")
set(CPACK_PACKAGE_DESCRIPTION
    "Designs and maintains the plain-text definition files of the VANTOR FTP server: the server configuration, the virtual file system, the users and groups, the allowed client addresses and the startup list. It serves no FTP itself.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# The package depends on exactly the Qt 6 libraries the program links, as
# Debian names them, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
