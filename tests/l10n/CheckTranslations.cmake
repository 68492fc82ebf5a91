# Run as a test (cmake -P): extracts every translatable text from the sources
# afresh into a new catalogue and hands it, with the Chinese catalogues found
# at test time, to the checker. Globbing here rather than at configure time
# means a catalogue or source added since the last configure is still seen.
foreach(var LUPDATE CHECKER SOURCE_DIR WORK_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CheckTranslations.cmake needs -D${var}=...")
    endif()
endforeach()

set(extracted ${WORK_DIR}/extracted.ts)
# lupdate merges into an existing file; a stale one would hide removed texts.
file(REMOVE ${extracted})
file(MAKE_DIRECTORY ${WORK_DIR})

set(folders)
foreach(folder gui cli texts resources/ui)
    if(EXISTS ${SOURCE_DIR}/${folder})
        list(APPEND folders ${SOURCE_DIR}/${folder})
    endif()
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -locations none -extensions cpp,h,ui ${folders}
                        -ts ${extracted}
                RESULT_VARIABLE lupdate_result)
if(NOT lupdate_result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${lupdate_result}")
endif()

file(GLOB catalogues ${SOURCE_DIR}/resources/translations/*_zh_TW.ts)
if(NOT catalogues)
    message(FATAL_ERROR "no *_zh_TW.ts catalogue in ${SOURCE_DIR}/resources/translations")
endif()
execute_process(COMMAND ${CHECKER} ${extracted} ${catalogues} RESULT_VARIABLE check_result)
if(NOT check_result EQUAL 0)
    message(FATAL_ERROR "the Chinese catalogues do not cover the sources")
endif()
