# Installs the wizard as a desktop application (program, menu entry, icons,
# software-centre description, manual page, package documentation) and packs
# it, with everything else the build installs, as a Debian package.
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

vantor_add_man_page(vantor-wizard.1 ${CMAKE_CURRENT_SOURCE_DIR}/gui/vantor-wizard.1.scd)

# The documentation every Debian package carries: the machine-readable
# copyright file and the changelog, compressed without a timestamp so that the
# same sources give the same package.
set(vantor_package_dir ${CMAKE_CURRENT_SOURCE_DIR}/resources/debian)
set(vantor_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${vantor_changelog}
                   COMMAND sh -c "'${VANTOR_GZIP}' -9n < '${vantor_package_dir}/changelog' > '${vantor_changelog}'"
                   DEPENDS ${vantor_package_dir}/changelog VERBATIM)
add_custom_target(vantor-changelog ALL DEPENDS ${vantor_changelog})
install(FILES ${vantor_package_dir}/copyright ${vantor_changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantor-wizard)

# The project's address and contact, the same as in the metainfo file and the
# copyright file.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor-wizard)
set(CPACK_PACKAGE_VENDOR "VANTOR")
set(CPACK_PACKAGE_CONTACT "VANTOR wizard developers <wizard@vantor.github.io>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vantor.github.io/wizard/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VANTOR FTP SERVER configuration wizard")
# One line of the control file each (at most 80 characters); an empty line
# separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
A desktop program of dialogs that designs and maintains the plain-text
definition files of the VANTOR FTP server: the server configuration
(*.ftpd), the virtual file system (*.vfs), the users and groups (*.user),
the allowed client addresses (*.allow) and the startup list. It serves no
FTP itself.

It works in the folder it is started in, normally the FTP server's own
folder; the start dialog shows that folder and lets the user choose another
one. Every dialog and message is in English and in Traditional Chinese.

The command vantor-admin edits the same files from a shell, for servers
without a desktop and for scripts: accounts (one at a time or imported from
CSV), allowed addresses, mount points, server configurations, and a check of
a whole folder.
]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# The package depends on exactly the Qt 6 libraries the program links, as
# Debian names them, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese texts need a CJK font and Qt's own button and dialog texts come in
# qt6-translations-l10n; on a Wayland desktop Qt runs natively only with its
# plugin. None of them is needed to start.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-arphic-uming, qt6-translations-l10n, qt6-wayland")
# Installed programs carry no debug symbols; control files get the modes
# Debian requires.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
