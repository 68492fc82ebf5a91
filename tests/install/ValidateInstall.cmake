# Installs the build into a scratch DESTDIR as a package would (prefix /usr)
# and checks the menu entry and the software-centre description with the
# validators distributions use.
# Arguments: BUILD_DIR, DEST_DIR, APP_ID.
file(REMOVE_RECURSE ${DEST_DIR})

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST_DIR}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root ${DEST_DIR}/usr)
foreach(file bin/vantor-wizard share/icons/hicolor/16x16/apps/${APP_ID}.png
             share/icons/hicolor/32x32/apps/${APP_ID}.png
             share/icons/hicolor/64x64/apps/${APP_ID}.png)
    if(NOT EXISTS ${root}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

foreach(check "desktop-file-validate;${root}/share/applications/${APP_ID}.desktop"
              "appstreamcli;validate;--no-net;${root}/share/metainfo/${APP_ID}.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${check} failed (${result}):\n${output}")
    endif()
endforeach()

file(REMOVE_RECURSE ${DEST_DIR})
