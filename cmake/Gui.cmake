# The dialogs, the platform layer and the program, on Qt 6 Widgets.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets LinguistTools)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTOUIC ON)
set(CMAKE_AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR}/resources/ui)

add_library(vantor_gui STATIC)
target_link_libraries(vantor_gui PUBLIC vantor_core Qt6::Widgets PRIVATE vantor_warnings)
target_include_directories(vantor_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# The About box names the version this build was made as.
target_compile_definitions(vantor_gui PRIVATE VANTOR_VERSION="${PROJECT_VERSION}")

# The Chinese texts, one catalogue per area of the program, compiled in.
file(GLOB vantor_ts_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/translations/*.ts)
qt_add_lrelease(vantor_gui TS_FILES ${vantor_ts_files} QM_FILES_OUTPUT_VARIABLE vantor_qm_files
                OPTIONS -silent)
qt_add_resources(vantor_gui "vantor_translations" PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${vantor_qm_files})

file(GLOB vantor_images CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/images/*.png)
qt_add_resources(vantor_gui "vantor_images" PREFIX "/images"
                 BASE ${CMAKE_CURRENT_SOURCE_DIR}/resources/images FILES ${vantor_images})

add_executable(vantor-wizard app/main.cpp)
target_link_libraries(vantor-wizard PRIVATE vantor_gui vantor_warnings)
