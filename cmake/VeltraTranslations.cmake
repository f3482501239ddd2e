# The 11 languages of the shell and its apps, kept here once: the device
# library's list (platform/common), the fit tests and the SDK's package take
# it from this variable.
set(VELTRA_LOCALES de-DE en-BE en-GB en-US es-ES fr-FR it-IT nb-NO nl-NL pt-BR zh-CN)

# veltra_translation_locales(<out var> <target> BASE <name> TS_DIR <dir> [LOCALES <locales...>])
#
# The locales <target> has a catalogue for. With LOCALES, exactly those, each
# of which must be one of VELTRA_LOCALES; one without its <dir>/<name>_<locale>.ts
# is only a warning here, so that the build system with <target>_lupdate (which
# creates the file) exists, and stops the build (veltra_add_translations); the
# next build after the file appears configures again. Without LOCALES,
# whichever of the 11 have a file (any subset, none included).
function(veltra_translation_locales out_var target)
    cmake_parse_arguments(ARG "" "BASE;TS_DIR" "LOCALES" ${ARGN})
    set(found)
    if(ARG_LOCALES)
        set(missing)
        foreach(locale IN LISTS ARG_LOCALES)
            if(NOT locale IN_LIST VELTRA_LOCALES)
                message(FATAL_ERROR "${target}: the locale ${locale} is not one of the shell's: ${VELTRA_LOCALES}")
            endif()
            list(APPEND found ${locale})
            if(NOT EXISTS ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts)
                list(APPEND missing ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts)
            endif()
        endforeach()
        if(missing)
            string(REPLACE ";" "\n  " missing_lines "${missing}")
            message(WARNING "${target}: translation sources missing:\n  ${missing_lines}\n"
                "`cmake --build <build dir> --target ${target}_lupdate` creates them from the app's QML, "
                "or leave the locales out of LOCALES. The build stops until then.")
            file(GLOB present CONFIGURE_DEPENDS ${ARG_TS_DIR}/${ARG_BASE}_*.ts)
        endif()
    else()
        # A catalogue added later (by <target>_lupdate, say) makes the next
        # build configure again and take it.
        file(GLOB present CONFIGURE_DEPENDS ${ARG_TS_DIR}/${ARG_BASE}_*.ts)
        foreach(locale IN LISTS VELTRA_LOCALES)
            if(EXISTS ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts)
                list(APPEND found ${locale})
            endif()
        endforeach()
    endif()
    set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# veltra_add_translations(<target> BASE <name> TS_DIR <dir> [LOCALES <locales...>]
#                         [SOURCES <qml and js files...>] [RECORD <json>])
#
# Compiles <TS_DIR>/<name>_<locale>.ts with lrelease and embeds the .qm files in
# <target>'s resources under ":/i18n/<name>_<locale>.qm". The .ts files are the
# checked-in sources; the .qm files exist only in the build tree. Without
# LOCALES every one of the 11 must have its file; with LOCALES (possibly none
# but still given) exactly those.
#
# With SOURCES, the target <target>_lupdate creates the missing .ts files of
# all 11 locales and adds new messages to the others (lupdate over SOURCES; an
# app's RECORD adds its launcher title, context "AppTitle", message id the
# record's "id").
function(veltra_add_translations target)
    cmake_parse_arguments(ARG "" "BASE;TS_DIR;RECORD" "LOCALES;SOURCES" ${ARGN})
    if(NOT "LOCALES" IN_LIST ARGN)
        set(ARG_LOCALES ${VELTRA_LOCALES})
        foreach(locale IN LISTS ARG_LOCALES)
            if(NOT EXISTS ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts)
                message(FATAL_ERROR "veltra_add_translations: missing ${ARG_TS_DIR}/${ARG_BASE}_${locale}.ts")
            endif()
        endforeach()
    endif()
    if(ARG_SOURCES)
        _veltra_add_lupdate(${target} ${ARG_BASE} ${ARG_TS_DIR} "${ARG_RECORD}" ${ARG_SOURCES})
    endif()
    if(NOT ARG_LOCALES)
        return()
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
        if(EXISTS ${ts})
            add_custom_command(OUTPUT ${qm}
                COMMAND Qt5::lrelease -silent ${ts} -qm ${qm}
                DEPENDS ${ts}
                COMMENT "lrelease ${ARG_BASE}_${locale}"
                VERBATIM)
            list(APPEND ts_files ${ts})
        else()
            # Asked for in LOCALES, not made yet (see veltra_translation_locales).
            add_custom_command(OUTPUT ${qm}
                COMMAND ${CMAKE_COMMAND} -E echo "${target}: translation sources missing: ${ts} `cmake --build <build dir> --target ${target}_lupdate` creates them from the app's QML, or leave the locale out of LOCALES."
                COMMAND ${CMAKE_COMMAND} -E false
                COMMENT "lrelease ${ARG_BASE}_${locale}"
                VERBATIM)
        endif()
        list(APPEND qm_files ${qm})
        string(APPEND qrc_body "    <file>${ARG_BASE}_${locale}.qm</file>\n")
    endforeach()
    string(APPEND qrc_body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${qrc_body}")
    set_property(SOURCE ${qrc} PROPERTY SKIP_AUTORCC ON)
    qt5_add_resources(rcc_src ${qrc} OPTIONS -name ${ARG_BASE}_i18n)
    set_property(SOURCE ${rcc_src} APPEND PROPERTY OBJECT_DEPENDS ${qm_files})
    target_sources(${target} PRIVATE ${rcc_src} ${qm_files})
    # Translation sources that the i18n checks read, and the Debian packages'
    # font dependencies (packaging/).
    set_property(GLOBAL APPEND PROPERTY VELTRA_TS_FILES ${ts_files})
    set_property(TARGET ${target} APPEND PROPERTY VELTRA_TARGET_TS_FILES ${ts_files})
endfunction()

# <target>_lupdate: lupdate over the QML and JavaScript among <sources> into
# <ts_dir>/<base>_<locale>.ts for each of the 11 locales, created when missing.
function(_veltra_add_lupdate target base ts_dir record)
    set(scan)
    foreach(f IN LISTS ARGN)
        get_filename_component(abs ${f} ABSOLUTE)
        if(abs MATCHES "\\.(qml|js)$")
            list(APPEND scan ${abs})
        endif()
    endforeach()
    if(record AND CMAKE_VERSION VERSION_GREATER_EQUAL 3.19)
        # The launcher title, looked up by the host in the app's own catalogue.
        file(READ ${record} record_text)
        string(JSON app_id ERROR_VARIABLE json_error GET "${record_text}" id)
        string(JSON app_title ERROR_VARIABLE title_error GET "${record_text}" title)
        if(NOT json_error AND NOT app_id STREQUAL "")
            set(stub ${CMAKE_CURRENT_BINARY_DIR}/${target}_frame/AppTitle.js)
            string(REPLACE "\"" "\\\"" app_id_js "${app_id}")
            file(CONFIGURE OUTPUT ${stub} CONTENT
                "// Generated by veltra_add_app() from the app's record: its launcher title.\n//: The app's title in the launcher; the record says \"${app_title}\".\nQT_TRANSLATE_NOOP(\"AppTitle\", \"${app_id_js}\");\n")
            list(APPEND scan ${stub})
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${record})
    endif()
    set(commands)
    foreach(locale IN LISTS VELTRA_LOCALES)
        string(REPLACE "-" "_" language ${locale})
        list(APPEND commands COMMAND Qt5::lupdate -silent -locations none ${scan}
            -target-language ${language} -ts ${ts_dir}/${base}_${locale}.ts)
    endforeach()
    add_custom_target(${target}_lupdate
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ts_dir}
        ${commands}
        COMMENT "Creating or updating ${ts_dir}/${base}_<locale>.ts for ${VELTRA_LOCALES}"
        VERBATIM)
endfunction()
