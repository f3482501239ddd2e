# veltra_add_app(<target>
#     CLASS <plug-in class>          e.g. LumvarApp
#     METADATA <json>                the app's record, embedded under "MetaData"
#     QML <files...>                 at the resource root, by file name; compiled
#                                    ahead of time (QML and JavaScript)
#     [FILES <files...>]             pictures and other resources, also at the root,
#                                    embedded as they are
#     [TS_DIR <dir> NAME <name> [LOCALES <locales...>]]
#                                    <dir>/<name>_<locale>.ts -> ":/i18n/<name>_<locale>.qm"
#     [OUTPUT_DIR <dir>]             where the library is written
#     [NO_INSTALL]
#     [UNCHECKED_RECORD])            test fixtures only: a record left broken on purpose
#
# Every app library is this one frame: a class derived from AppInterface with
# the plug-in identifier "com.ostrelle.veltra.<CLASS>Plugin", its record, its
# QML and its translations. It links Qt Core and Qt Qml only. The same file
# serves the tree and the installed SDK (find_package(Veltra)).
#
# Checked early, each with an error that names the file:
# - at configure time: a resource file name (QML, FILES, a catalogue) that
#   another app built into the same apps directory, the shell, or (with the
#   SDK's package) an app installed with the shell already has (all apps'
#   files share one resource root), and a record's id that an app installed
#   with the shell, or another installed app of this build, has;
# - at build time, the app's QML files with qmllint (a syntax error with file,
#   line and column), and, before moc reads it, the record (VELTRA_APPCHECK): valid
#   JSON (file:line:column), the required keys and their types, a "qmlUrl"
#   among the app's QML files. The checked record, with the list of the app's
#   resource files added, is what the library carries; the host refuses at run
#   time an app whose files would replace another app's.
#
# Expects from the including scope: VELTRA_FRAME_DIR (the frame's sources),
# VELTRA_APPCHECK (the record check tool: a target or a program),
# VELTRA_INSTALL_APPS, VELTRA_SHELL_RESOURCES (the shell's own resource files)
# and, optionally, VELTRA_APPS_OUTPUT_DIR (default OUTPUT_DIR) and
# VELTRA_INSTALLED_APP_RESOURCES with VELTRA_INSTALLED_APPS_DIR (the files of the
# apps installed with the shell, "<file>|<target>").
include(${CMAKE_CURRENT_LIST_DIR}/VeltraResources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/VeltraTranslations.cmake)

# Remembers that <target> puts <files> (resource paths) into the apps directory
# <dir>, and stops configuration when another app of the build or the shell has
# one of them already.
function(_veltra_claim_resources target dir)
    string(MD5 key "${dir}")
    get_property(claims GLOBAL PROPERTY VELTRA_APP_CLAIMS_${key})
    foreach(file IN LISTS ARGN)
        if(file IN_LIST VELTRA_SHELL_RESOURCES)
            message(FATAL_ERROR "veltra_add_app(${target}): the resource file \"${file}\" is a file of the "
                "shell, which every app shares a resource root with; the app's own file would never be "
                "used. Rename the app's file.")
        endif()
        foreach(claim IN LISTS claims)
            string(REPLACE "|" ";" claim "${claim}")
            list(GET claim 0 claimed_file)
            list(GET claim 1 owner)
            if(claimed_file STREQUAL file)
                message(FATAL_ERROR "veltra_add_app(${target}): the resource file \"${file}\" is also a file "
                    "of the app ${owner}, built into the same apps directory (${dir}). All apps share one "
                    "resource root, so at run time one of the two would get the other's file. Rename the "
                    "file in ${target} or in ${owner}.")
            endif()
        endforeach()
    endforeach()
    foreach(file IN LISTS ARGN)
        set_property(GLOBAL APPEND PROPERTY VELTRA_APP_CLAIMS_${key} "${file}|${target}")
    endforeach()
endfunction()

# Stops configuration when one of <files> is a file of an app installed with
# the shell (VELTRA_INSTALLED_APP_RESOURCES, "<file>|<target>", set by the SDK's
# package) other than the app's own former build: at run time the shell would
# refuse whichever of the two loads second, by library file name.
function(_veltra_check_installed_apps target)
    foreach(claim IN LISTS VELTRA_INSTALLED_APP_RESOURCES)
        string(REPLACE "|" ";" claim "${claim}")
        list(GET claim 0 claimed_file)
        list(GET claim 1 owner)
        if(claimed_file IN_LIST ARGN AND NOT owner STREQUAL target)
            message(FATAL_ERROR "veltra_add_app(${target}): the resource file \"${claimed_file}\" is also a file of "
                "the app ${owner}, installed with the shell (${VELTRA_INSTALLED_APPS_DIR}/"
                "${CMAKE_SHARED_MODULE_PREFIX}${owner}${CMAKE_SHARED_MODULE_SUFFIX}). All apps share one resource "
                "root, so at run time the shell would refuse one of the two, whichever loads second. Rename the "
                "app's file.")
        endif()
    endforeach()
endfunction()

# Stops configuration when <id> (the record's, read here with CMake 3.19 and
# later) is the id of another app installed with the shell
# (VELTRA_INSTALLED_APP_IDS from the SDK's package, and the apps of this build
# that are installed, "<id>|<target>"): the shell lists one app per id, so one
# of the two would be gone from the launcher.
function(_veltra_check_installed_id target id record)
    get_property(built GLOBAL PROPERTY VELTRA_INSTALLED_APP_IDS)
    foreach(claim IN LISTS VELTRA_INSTALLED_APP_IDS built)
        string(REPLACE "|" ";" claim "${claim}")
        list(GET claim 0 claimed_id)
        list(GET claim 1 owner)
        if(claimed_id STREQUAL id AND NOT owner STREQUAL target)
            message(FATAL_ERROR "veltra_add_app(${target}): the id \"${id}\" of ${record} is the id of the app "
                "${owner}, installed with the shell. The shell lists one app per id, so one of the two would be "
                "gone from the launcher. Give the app an id of its own (a new build of ${owner} keeps its "
                "target name, ${owner}).")
        endif()
    endforeach()
endfunction()

function(veltra_add_app target)
    cmake_parse_arguments(ARG "NO_INSTALL;UNCHECKED_RECORD" "CLASS;METADATA;TS_DIR;NAME;OUTPUT_DIR"
        "QML;FILES;LOCALES" ${ARGN})
    if(NOT ARG_CLASS OR NOT ARG_METADATA)
        message(FATAL_ERROR "veltra_add_app(${target}): CLASS and METADATA are required")
    endif()
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "veltra_add_app(${target}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(ARG_TS_DIR AND NOT ARG_NAME)
        message(FATAL_ERROR "veltra_add_app(${target}): TS_DIR needs NAME (the catalogue's base name)")
    endif()
    string(TOLOWER ${ARG_CLASS} header_base)
    set(gen_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_frame)
    get_filename_component(metadata_source ${ARG_METADATA} ABSOLUTE)
    if(NOT ARG_OUTPUT_DIR)
        if(VELTRA_APPS_OUTPUT_DIR)
            set(ARG_OUTPUT_DIR ${VELTRA_APPS_OUTPUT_DIR})
        else()
            set(ARG_OUTPUT_DIR ${CMAKE_BINARY_DIR}/apps)
        endif()
    endif()

    # The app's resource files, as the host sees them.
    set(resource_names)
    set(qml_names)
    foreach(f IN LISTS ARG_QML)
        get_filename_component(name ${f} NAME)
        list(APPEND qml_names ${name})
        list(APPEND resource_names /${name})
    endforeach()
    foreach(f IN LISTS ARG_FILES)
        get_filename_component(name ${f} NAME)
        list(APPEND resource_names /${name})
    endforeach()
    set(ts_locales)
    if(ARG_TS_DIR)
        veltra_translation_locales(ts_locales ${target} BASE ${ARG_NAME} TS_DIR ${ARG_TS_DIR} LOCALES ${ARG_LOCALES})
        foreach(locale IN LISTS ts_locales)
            list(APPEND resource_names /i18n/${ARG_NAME}_${locale}.qm)
        endforeach()
    endif()
    set(claimed ${resource_names})
    list(REMOVE_DUPLICATES claimed)
    list(LENGTH claimed unique_count)
    list(LENGTH resource_names all_count)
    if(NOT unique_count EQUAL all_count)
        message(FATAL_ERROR "veltra_add_app(${target}): two of its files have the same name (${resource_names}); "
            "every file lies at the resource root by its name")
    endif()
    _veltra_check_installed_apps(${target} ${resource_names})
    if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.19)
        # A record that is not valid JSON is the record check's to report, at build time.
        file(READ ${metadata_source} record_text)
        string(JSON app_id ERROR_VARIABLE id_error GET "${record_text}" id)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metadata_source})
        if(NOT id_error AND NOT app_id STREQUAL "")
            _veltra_check_installed_id(${target} "${app_id}" ${ARG_METADATA})
            if(NOT ARG_NO_INSTALL)
                set_property(GLOBAL APPEND PROPERTY VELTRA_INSTALLED_APP_IDS "${app_id}|${target}")
            endif()
        endif()
    endif()
    _veltra_claim_resources(${target} ${ARG_OUTPUT_DIR} ${resource_names})
    if(NOT ARG_NO_INSTALL)
        _veltra_claim_resources(${target} "installed:${VELTRA_INSTALL_APPS}" ${resource_names})
    endif()

    # The record: checked, then written with its resource list for moc.
    set(metadata ${gen_dir}/${target}.json)
    set(check_args)
    foreach(name IN LISTS qml_names)
        list(APPEND check_args --qml ${name})
    endforeach()
    foreach(name IN LISTS resource_names)
        list(APPEND check_args --resource ${name})
    endforeach()
    if(ARG_UNCHECKED_RECORD)
        list(APPEND check_args --unchecked)
    endif()
    add_custom_command(OUTPUT ${metadata}
        COMMAND ${VELTRA_APPCHECK} ${check_args} --output ${metadata} ${metadata_source}
        DEPENDS ${metadata_source} ${VELTRA_APPCHECK}
        COMMENT "Checking the record of ${target} (${ARG_METADATA})"
        VERBATIM)
    # A typo in the QML stops the build here rather than showing on the device.
    set(lint_stamp)
    if(NOT VELTRA_QMLLINT)
        find_program(VELTRA_QMLLINT qmllint HINTS ${_qt5Core_install_prefix}/lib/qt5/bin /usr/lib/qt5/bin)
    endif()
    set(qml_sources)
    foreach(f IN LISTS ARG_QML)
        get_filename_component(abs ${f} ABSOLUTE)
        list(APPEND qml_sources ${abs})
    endforeach()
    if(qml_sources AND VELTRA_QMLLINT)
        set(lint_stamp ${gen_dir}/qml.checked)
        add_custom_command(OUTPUT ${lint_stamp}
            COMMAND ${VELTRA_QMLLINT} ${qml_sources}
            COMMAND ${CMAKE_COMMAND} -E touch ${lint_stamp}
            DEPENDS ${qml_sources}
            COMMENT "Checking the QML of ${target}"
            VERBATIM)
    endif()
    add_custom_target(${target}_record DEPENDS ${metadata} ${lint_stamp})

    set(VELTRA_APP_CLASS ${ARG_CLASS})
    set(VELTRA_APP_METADATA ${metadata})
    set(VELTRA_APP_HEADER ${header_base}.h)
    configure_file(${VELTRA_FRAME_DIR}/appplugin.h.in ${gen_dir}/${header_base}.h @ONLY)
    configure_file(${VELTRA_FRAME_DIR}/appplugin.cpp.in ${gen_dir}/${header_base}.cpp @ONLY)

    add_library(${target} MODULE ${gen_dir}/${header_base}.h ${gen_dir}/${header_base}.cpp
        ${VELTRA_FRAME_DIR}/appinterface.h ${metadata_source})
    target_include_directories(${target} PRIVATE ${gen_dir} ${VELTRA_FRAME_DIR})
    target_link_libraries(${target} PRIVATE Qt5::Core Qt5::Qml)
    # moc runs after the check, and again when the checked record changes.
    add_dependencies(${target} ${target}_record)
    set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${target}_record)
    set_property(TARGET ${target} APPEND PROPERTY AUTOMOC_DEPEND_FILTERS
        "Q_PLUGIN_METADATA" "FILE[ \t]*\"([^\"]+)\"")
    set_source_files_properties(${gen_dir}/${header_base}.h PROPERTIES OBJECT_DEPENDS ${metadata})
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
    if(ARG_OUTPUT_DIR STREQUAL VELTRA_STAGE_APPS)
        veltra_stage_targets(${target})
    endif()

    if(ARG_QML OR ARG_FILES)
        veltra_add_resources(${target} NAME ${target}_qml FILES ${ARG_QML} UNCOMPILED ${ARG_FILES})
    endif()
    if(COMMAND veltra_lint_qml)
        veltra_lint_qml(${ARG_QML})
    endif()
    if(ARG_TS_DIR)
        veltra_add_translations(${target} BASE ${ARG_NAME} TS_DIR ${ARG_TS_DIR} LOCALES ${ts_locales}
            SOURCES ${ARG_QML} ${ARG_FILES} RECORD ${metadata_source})
    endif()
    if(NOT ARG_NO_INSTALL)
        install(TARGETS ${target} LIBRARY DESTINATION ${VELTRA_INSTALL_APPS} COMPONENT app-${target})
        # For a Debian package of the app: its record and what it carries.
        set_property(GLOBAL APPEND PROPERTY VELTRA_INSTALLED_APPS ${target})
        set_property(TARGET ${target} PROPERTY VELTRA_APP_RECORD ${metadata_source})
        foreach(f IN LISTS ARG_QML ARG_FILES)
            get_filename_component(abs ${f} ABSOLUTE)
            set_property(GLOBAL APPEND PROPERTY VELTRA_PACKAGE_FILES_app-${target} ${abs})
        endforeach()
    endif()
endfunction()
