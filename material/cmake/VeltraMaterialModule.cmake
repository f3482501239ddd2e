# Helpers that build the Material library's QML modules into one Qt resource.
#
# Every module lists its QML files once, in veltra_material_module(); its qmldir
# and its share of the resource file are generated from that list, and every
# file is registered for qmllint. veltra_material_resources() then writes the
# one .qrc of the library and compiles it with rcc.

set(VELTRA_MATERIAL_IMPORT_PREFIX "/qt-project.org/imports")

# veltra_material_add_resource(<alias> <file> [UNCOMPRESSED])
# Adds <file> to the resources as qrc:${VELTRA_MATERIAL_IMPORT_PREFIX}/<alias>,
# and to the modules on disk (for tools, see sdk/) as <import dir>/<alias>.
# UNCOMPRESSED stores it in the resources as it is, for files read in place
# (the icon fonts).
function(veltra_material_add_resource alias file)
    cmake_parse_arguments(R "UNCOMPRESSED" "" "" ${ARGN})
    get_filename_component(abs "${file}" ABSOLUTE)
    set(attributes "")
    if(R_UNCOMPRESSED)
        set(attributes " compression-algorithm=\"none\"")
    endif()
    set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_QRC_ENTRIES "<file alias=\"${alias}\"${attributes}>${abs}</file>")
    set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_QRC_DEPENDS "${abs}")
    set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_QRC_PATHS "${VELTRA_MATERIAL_IMPORT_PREFIX}/${alias}|${abs}")
    if(NOT alias MATCHES "/qmldir$")
        set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_DISK_ENTRIES "${alias}|${abs}")
    endif()
endfunction()

# veltra_material_module(<uri> VERSION <major.minor> SOURCE_DIR <dir>
#                        [TYPES <file.qml>...] [SINGLETONS <file.qml>...]
#                        [INTERNAL <file.qml>...] [SCRIPTS <file.js>...])
# TYPES are public types, SINGLETONS public singletons (their files say
# "pragma Singleton"), INTERNAL types only the module's own files see, SCRIPTS
# JavaScript files the module's documents import by relative path.
function(veltra_material_module uri)
    cmake_parse_arguments(M "" "VERSION;SOURCE_DIR" "TYPES;SINGLETONS;INTERNAL;SCRIPTS" ${ARGN})
    if(NOT M_VERSION OR NOT M_SOURCE_DIR)
        message(FATAL_ERROR "veltra_material_module(${uri}): VERSION and SOURCE_DIR are required")
    endif()
    string(REPLACE "." "/" module_path "${uri}")
    get_filename_component(source_dir "${M_SOURCE_DIR}" ABSOLUTE)

    # Named relative to the project: the qmldir ships inside the programs.
    file(RELATIVE_PATH list_file "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_LIST_FILE}")
    set(qmldir "# Generated from ${list_file}; do not edit.\nmodule ${uri}\n")
    set(qml_files "")
    foreach(kind TYPES SINGLETONS INTERNAL)
        foreach(f IN LISTS M_${kind})
            get_filename_component(type "${f}" NAME_WE)
            if(kind STREQUAL "TYPES")
                string(APPEND qmldir "${type} ${M_VERSION} ${f}\n")
            elseif(kind STREQUAL "SINGLETONS")
                string(APPEND qmldir "singleton ${type} ${M_VERSION} ${f}\n")
            else()
                string(APPEND qmldir "internal ${type} ${f}\n")
            endif()
            if(NOT EXISTS "${source_dir}/${f}")
                message(FATAL_ERROR "veltra_material_module(${uri}): ${source_dir}/${f} does not exist")
            endif()
            veltra_material_add_resource("${module_path}/${f}" "${source_dir}/${f}")
            list(APPEND qml_files "${source_dir}/${f}")
        endforeach()
    endforeach()
    foreach(f IN LISTS M_SCRIPTS)
        get_filename_component(name "${f}" NAME)
        veltra_material_add_resource("${module_path}/${name}" "${f}")
    endforeach()

    set(qmldir_file "${CMAKE_CURRENT_BINARY_DIR}/imports/${module_path}/qmldir")
    file(WRITE "${qmldir_file}.tmp" "${qmldir}")
    configure_file("${qmldir_file}.tmp" "${qmldir_file}" COPYONLY)
    veltra_material_add_resource("${module_path}/qmldir" "${qmldir_file}")
    # On disk, tools also read the types' description (generated in sdk/).
    set(disk_qmldir "${CMAKE_CURRENT_BINARY_DIR}/disk/${module_path}/qmldir")
    file(WRITE "${disk_qmldir}.tmp" "${qmldir}typeinfo plugins.qmltypes\n")
    configure_file("${disk_qmldir}.tmp" "${disk_qmldir}" COPYONLY)
    set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_DISK_ENTRIES "${module_path}/qmldir|${disk_qmldir}")
    set_property(GLOBAL APPEND PROPERTY VELTRA_MATERIAL_MODULES "${uri}|${M_VERSION}")
    veltra_lint_qml(${qml_files})
endfunction()

# veltra_material_resources(<name> <out_source_var>)
# Writes <name>.qrc with every entry added so far and compiles it with rcc, and
# its QML ahead of time (veltra_compile_qml_resources), into source files whose
# initialiser function is qInitResources_<name>().
function(veltra_material_resources name out_var)
    get_property(entries GLOBAL PROPERTY VELTRA_MATERIAL_QRC_ENTRIES)
    get_property(depends GLOBAL PROPERTY VELTRA_MATERIAL_QRC_DEPENDS)
    get_property(paths GLOBAL PROPERTY VELTRA_MATERIAL_QRC_PATHS)
    string(REPLACE ";" "\n    " entry_lines "${entries}")
    set(qrc_file "${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc")
    file(WRITE "${qrc_file}.tmp"
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"${VELTRA_MATERIAL_IMPORT_PREFIX}\">\n    ${entry_lines}\n</qresource>\n</RCC>\n")
    configure_file("${qrc_file}.tmp" "${qrc_file}" COPYONLY)
    veltra_compile_qml_resources(${name} "${qrc_file}" compiled rcc_name ${paths})
    set(out "${CMAKE_CURRENT_BINARY_DIR}/qrc_${name}.cpp")
    add_custom_command(OUTPUT "${out}"
        COMMAND Qt5::rcc --name ${rcc_name} --output "${out}" "${qrc_file}"
        DEPENDS "${qrc_file}" ${depends}
        COMMENT "Compiling the Material library resources"
        VERBATIM)
    set(${out_var} "${out}" ${compiled} PARENT_SCOPE)
endfunction()
