# Installs the wizard as a desktop application (program, menu entry, icons,
# software-centre description, manual page) and the Ansible collection where
# Ansible looks for collections installed system-wide; cli/ installs
# vantor-admin. The Debian packages of debian/ split this one tree among them.
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

# The whole collection folder, whatever it holds. Python files are never run
# in place (Ansible sends a module to the host it manages and runs it there)
# and a collection's modules are not executable, so they get plain modes even
# when a checkout made them executable; other files keep theirs, as the
# scripts of the collection's integration tests must.
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/ansible/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/ansible/collections/ansible_collections/vantor/ftp
        USE_SOURCE_PERMISSIONS
        PATTERN __pycache__ EXCLUDE
        PATTERN *.pyc EXCLUDE
        PATTERN *.py PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
