# Manual pages are written in scdoc and turned into troff by the build,
# compressed as Debian installs them.
include(GNUInstallDirs)
find_program(VANTOR_SCDOC scdoc REQUIRED)
find_program(VANTOR_GZIP gzip REQUIRED)

# vantor_add_man_page(PAGE SOURCE): PAGE is the installed name with its
# section ("vantor-admin.1"), SOURCE the scdoc file. Builds with `all` and
# with the target PAGE-man; installs into the section's folder.
function(vantor_add_man_page page source)
    string(REGEX MATCH "[0-9]$" section ${page})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND sh -c "'${VANTOR_SCDOC}' < '${source}' | '${VANTOR_GZIP}' -9n > '${output}'"
                       DEPENDS ${source} VERBATIM)
    add_custom_target(${page}-man ALL DEPENDS ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
