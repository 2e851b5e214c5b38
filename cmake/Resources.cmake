# Pictures and translations compiled into the library.
set(KORVEL_QT_TRANSLATIONS_DIR /usr/share/qt5/translations CACHE PATH "Where Qt's own .qm files are")

set(KORVEL_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/translations/velmis.ts)
set_source_files_properties(${KORVEL_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
qt5_add_translation(KORVEL_QM_FILES ${KORVEL_TS_FILES})

# Qt's own translations come from the system at build time and are never committed.
set(KORVEL_QTBASE_QM)
foreach(lang en ru)
    set(src ${KORVEL_QT_TRANSLATIONS_DIR}/qtbase_${lang}.qm)
    set(dst ${CMAKE_CURRENT_BINARY_DIR}/translations/qtbase_${lang}.qm)
    add_custom_command(OUTPUT ${dst}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
        COMMAND ${CMAKE_COMMAND} -E copy ${src} ${dst}
        DEPENDS ${src} VERBATIM)
    list(APPEND KORVEL_QTBASE_QM ${dst})
endforeach()

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/resources/translations.qrc.in
    ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/translations.qrc PROPERTIES
    OBJECT_DEPENDS "${KORVEL_QM_FILES};${KORVEL_QTBASE_QM}")

set(KORVEL_RESOURCE_FILES
    ${CMAKE_CURRENT_SOURCE_DIR}/resources/resources.qrc
    ${CMAKE_CURRENT_BINARY_DIR}/translations.qrc
    ${KORVEL_QM_FILES} ${KORVEL_QTBASE_QM})
