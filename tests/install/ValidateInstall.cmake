# Installs the build into a scratch DESTDIR as the package build does (prefix
# /usr; debian/*.install splits that tree among the packages), checks that
# each package's files are there, and the menu entry and the software-centre
# description with the validators distributions use.
# Arguments: BUILD_DIR, DEST_DIR, APP_ID.
file(REMOVE_RECURSE ${DEST_DIR})

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST_DIR}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root ${DEST_DIR}/usr)
foreach(file bin/vantor-wizard share/icons/hicolor/scalable/apps/${APP_ID}.svg
             bin/vantor-admin share/man/man1/vantor-admin.1.gz
             share/bash-completion/completions/vantor-admin
             share/ansible/collections/ansible_collections/vantor/ftp/galaxy.yml)
    if(NOT EXISTS ${root}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The theme picks an icon by the folder it sits in, so each picture must be
# exactly its folder's size; a PNG keeps its width and height at bytes 16-23.
foreach(size 16 24 32 48 64 128 256)
    set(icon share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${root}/${icon})
        message(FATAL_ERROR "not installed: ${icon}")
    endif()
    file(READ ${root}/${icon} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING ${header} 0 8 width)
    string(SUBSTRING ${header} 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${icon} is ${width}x${height}, not ${size}x${size}")
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
