# The window's translations. Japanese is the source language; each other
# language is one file, ui/i18n/veltaro_<code>.ts, kept in the repository.
#
# veltaro_add_translations(TARGET TS_FILES files... SOURCES folders...)
#
# Compiles each .ts with lrelease into a .qm built into TARGET as a resource
# under :/i18n, and adds the target veltaro_lupdate, which brings the .ts files
# up to date with the tr() texts of the SOURCES folders and drops entries whose
# text is gone. Both tools come with Debian's qt6-l10n-tools.
set(_qt_bins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)
find_program(VELTARO_LRELEASE NAMES lrelease-qt6 lrelease HINTS ${_qt_bins} REQUIRED)
find_program(VELTARO_LUPDATE NAMES lupdate-qt6 lupdate HINTS ${_qt_bins} REQUIRED)

function(veltaro_add_translations target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "TS_FILES;SOURCES")
    set(qm_files)
    foreach(ts ${arg_TS_FILES})
        get_filename_component(name ${ts} NAME_WE)
        get_filename_component(ts_path ${ts} ABSOLUTE)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${VELTARO_LRELEASE} -silent ${ts_path} -qm ${qm}
            DEPENDS ${ts_path}
            COMMENT "Compiling the translation ${name}"
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    set_source_files_properties(${qm_files} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} "translations"
        PREFIX "/i18n"
        BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
        FILES ${qm_files})

    # The plot layer's words are marked VELTARO_WORD(context, text), which is
    # QT_TRANSLATE_NOOP to lupdate.
    set(ts_paths)
    foreach(ts ${arg_TS_FILES})
        get_filename_component(ts_path ${ts} ABSOLUTE)
        list(APPEND ts_paths ${ts_path})
    endforeach()
    add_custom_target(veltaro_lupdate
        COMMAND ${VELTARO_LUPDATE} -silent -locations none -no-obsolete -disable-heuristic similartext -source-language ja
            -extensions cpp,h -I ${PROJECT_SOURCE_DIR} -tr-function-alias QT_TRANSLATE_NOOP+=VELTARO_WORD
            ${arg_SOURCES} -ts ${ts_paths}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Bringing the translations up to date with the sources"
        VERBATIM)
endfunction()
