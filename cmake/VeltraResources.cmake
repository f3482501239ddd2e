# veltra_add_resources(<target> NAME <rcc name> [PREFIX <prefix>] FILES <files...>
#                      [UNCOMPILED <files...>])
#
# Embeds FILES and UNCOMPILED in <target>'s resources under PREFIX (default
# "/"), each by its file name. The .qrc is generated from the list, so a file is
# named once, in CMake. Programs that link a static library of resources call
# Q_INIT_RESOURCE(<rcc name>) (or link an object library).
#
# The QML and JavaScript files among FILES are also compiled ahead of time
# (veltra_compile_qml_resources), unless VELTRA_COMPILE_QML is OFF; UNCOMPILED
# files are embedded as they are (an app's pictures and other files).
include_guard(GLOBAL)

option(VELTRA_COMPILE_QML "Compile the QML in Qt resources ahead of time (qmlcachegen)" ON)

# veltra_compile_qml_resources(<rcc name> <out_sources_var> <out_rcc_name_var>
#                              <resource path>|<file>...)
#
# Compiles the .qml, .js and .mjs files among the given ones (the resource
# files to compile, of the resources <rcc name>) ahead of time with
# qmlcachegen: each into a compilation unit in C++ (named after its resource
# path, with hidden visibility so that an app library never lends its units to
# another), and a loader that gives the engine these units for the files'
# qrc: URLs, so that nothing is compiled, and no disk cache written, at run
# time. The QML files stay in the resources: the engine falls back to them if
# the run-time Qt is another version than the one that compiled them. The
# loader knows the compiled files only: other QML and scripts in the same
# resources (an app's FILES) are compiled by the engine when loaded; a loader
# that listed them would refer to units that do not exist, and the library
# would not load (undefined symbol).
#
# The loader carries the resource's own initialiser, qInitResources_<rcc name>(),
# which registers the units and then the resources, so that
# Q_INIT_RESOURCE(<rcc name>) works as before. rcc must then build the
# resources under another name: <out_rcc_name_var> receives it (<rcc name> when
# nothing is compiled). Every output is named after <rcc name>, which is one
# per target. Qt's stock helper, qtquick_compiler_add_resources(), clashes
# with that: it writes one qmlcache_loader.cpp per directory and names each
# unit's source after the QML file's path in the source directory, so two
# apps defined in one directory (the benchmark's 49 fixture apps, the test
# fixtures that build one RecHomeApp.qml into two libraries) generate the
# same files.
function(veltra_compile_qml_resources name out_sources out_rcc_name)
    set(${out_sources} "" PARENT_SCOPE)
    set(${out_rcc_name} ${name} PARENT_SCOPE)
    if(NOT VELTRA_COMPILE_QML)
        return()
    endif()
    if(NOT VELTRA_QMLCACHEGEN)
        find_program(VELTRA_QMLCACHEGEN qmlcachegen NO_CMAKE_FIND_ROOT_PATH
            HINTS ${_qt5Core_install_prefix}/lib/qt5/bin /usr/lib/qt5/bin)
        if(NOT VELTRA_QMLCACHEGEN)
            message(FATAL_ERROR "qmlcachegen not found (Debian package qtdeclarative5-dev-tools); "
                "or configure with -DVELTRA_COMPILE_QML=OFF")
        endif()
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${name}_qmlcache)
    set(sources)
    set(compiled_qrc "<RCC>\n")
    foreach(entry IN LISTS ARGN)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 path)
        list(GET entry 1 file)
        if(NOT path MATCHES "\\.(qml|js|mjs)$")
            continue()
        endif()
        string(REGEX REPLACE "/[^/]*$" "" prefix "${path}")
        string(REGEX REPLACE "^.*/" "" alias "${path}")
        if(NOT prefix)
            set(prefix "/")
        endif()
        string(APPEND compiled_qrc "  <qresource prefix=\"${prefix}\"><file alias=\"${alias}\">${file}</file></qresource>\n")
        string(MAKE_C_IDENTIFIER "${path}" stem)
        set(out ${dir}/${stem}.cpp)
        add_custom_command(OUTPUT ${out}
            COMMAND ${VELTRA_QMLCACHEGEN} --resource-path ${path} -o ${out} ${file}
            DEPENDS ${file} ${VELTRA_QMLCACHEGEN}
            COMMENT "Compiling ${path} ahead of time"
            VERBATIM)
        list(APPEND sources ${out})
    endforeach()
    if(NOT sources)
        return()
    endif()
    # The loader reads a .qrc of the compiled files for their resource paths;
    # its initialiser is named after that file's name (<rcc name>.qrc), and the
    # rcc output's after the mapped file name, which need not exist.
    string(APPEND compiled_qrc "</RCC>\n")
    set(qrc ${dir}/${name}.qrc)
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${compiled_qrc}")
    set(loader ${dir}/${name}_qmlcache_loader.cpp)
    add_custom_command(OUTPUT ${loader}
        COMMAND ${VELTRA_QMLCACHEGEN} --resource-file-mapping=${qrc}=${dir}/${name}_qmlcache.qrc
            -o ${loader} ${qrc}
        DEPENDS ${qrc} ${VELTRA_QMLCACHEGEN}
        COMMENT "Writing the loader of ${name}'s compiled QML"
        VERBATIM)
    list(APPEND sources ${loader})
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        set_source_files_properties(${sources} PROPERTIES COMPILE_OPTIONS "-fvisibility=hidden")
    endif()
    set(${out_sources} ${sources} PARENT_SCOPE)
    set(${out_rcc_name} ${name}_qmlcache PARENT_SCOPE)
endfunction()

function(veltra_add_resources target)
    cmake_parse_arguments(ARG "" "NAME;PREFIX" "FILES;UNCOMPILED" ${ARGN})
    if(NOT ARG_PREFIX)
        set(ARG_PREFIX "/")
    endif()
    string(REGEX REPLACE "/+$" "" path_prefix "${ARG_PREFIX}")
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.qrc)
    set(body "<RCC>\n  <qresource prefix=\"${ARG_PREFIX}\">\n")
    set(deps)
    set(entries)
    foreach(f IN LISTS ARG_FILES ARG_UNCOMPILED)
        get_filename_component(abs ${f} ABSOLUTE)
        get_filename_component(name ${f} NAME)
        string(APPEND body "    <file alias=\"${name}\">${abs}</file>\n")
        list(APPEND deps ${abs})
        if(f IN_LIST ARG_FILES)
            list(APPEND entries "${path_prefix}/${name}|${abs}")
        endif()
    endforeach()
    string(APPEND body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${body}")
    set_property(SOURCE ${qrc} PROPERTY SKIP_AUTORCC ON)
    veltra_compile_qml_resources(${ARG_NAME} compiled rcc_name ${entries})
    # qt5_add_resources() names the resources after the .qrc file.
    if(NOT rcc_name STREQUAL ARG_NAME)
        configure_file(${qrc} ${CMAKE_CURRENT_BINARY_DIR}/${rcc_name}.qrc COPYONLY)
        set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${rcc_name}.qrc)
        set_property(SOURCE ${qrc} PROPERTY SKIP_AUTORCC ON)
    endif()
    qt5_add_resources(rcc_src ${qrc})
    set_property(SOURCE ${rcc_src} APPEND PROPERTY OBJECT_DEPENDS ${deps})
    target_sources(${target} PRIVATE ${rcc_src} ${compiled})
endfunction()
