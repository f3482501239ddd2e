# veltra_add_translations(<target> BASE <name> LOCALES <l1> <l2> ... TS_DIR <dir>)
#
# Compiles <TS_DIR>/<name>_<locale>.ts with lrelease and embeds the .qm files in
# <target>'s resources under ":/i18n/<name>_<locale>.qm". The .ts files are the
# checked-in sources; the .qm files exist only in the build tree.
set(VELTRA_LOCALES de-DE en-BE en-GB en-US es-ES fr-FR it-IT nb-NO nl-NL pt-BR zh-CN)

function(veltra_add_translations target)
    cmake_parse_arguments(ARG "" "BASE;TS_DIR" "LOCALES" ${ARGN})
    if(NOT ARG_LOCALES)
        set(ARG_LOCALES ${VELTRA_LOCALES})
    endif()
    set(outdir ${CMAKE_CURRENT_BINARY_DIR}/i18n_${ARG_BASE})
    file(MAKE_DIRECTORY ${outdir})
    set(qrc ${outdir}/${ARG_BASE}_i18n.qrc)
    set(qrc_body "<RCC>\n  <qresource prefix=\"/i18n\">\n")
    set(qm_files)
    set(ts_files)
    foreach(locale IN LISTS ARG_LOCALES)
        set(ts ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts)
        set(qm ${outdir}/${ARG_BASE}_${locale}.qm)
        if(NOT EXISTS ${ts})
            message(FATAL_ERROR "veltra_add_translations: missing ${ts}")
        endif()
        add_custom_command(OUTPUT ${qm}
            COMMAND Qt5::lrelease -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            COMMENT "lrelease ${ARG_BASE}_${locale}"
            VERBATIM)
        list(APPEND qm_files ${qm})
        list(APPEND ts_files ${ts})
        string(APPEND qrc_body "    <file>${ARG_BASE}_${locale}.qm</file>\n")
    endforeach()
    string(APPEND qrc_body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${qrc_body}")
    set_property(SOURCE ${qrc} PROPERTY SKIP_AUTORCC ON)
    qt5_add_resources(rcc_src ${qrc} OPTIONS -name ${ARG_BASE}_i18n)
    set_property(SOURCE ${rcc_src} APPEND PROPERTY OBJECT_DEPENDS ${qm_files})
    target_sources(${target} PRIVATE ${rcc_src} ${qm_files})
    # Translation sources that the i18n checks read.
    set_property(GLOBAL APPEND PROPERTY VELTRA_TS_FILES ${ts_files})
endfunction()
