# veltra_add_app(<target>
#     CLASS <plug-in class>          e.g. LumvarApp
#     METADATA <json>                the app's record, embedded under "MetaData"
#     QML <files...>                 at the resource root, by file name
#     [FILES <files...>]             pictures and other resources, also at the root
#     [TS_DIR <dir> NAME <name> [LOCALES <locales...>]]
#                                    <dir>/<name>_<locale>.ts -> ":/i18n/<name>_<locale>.qm"
#     [OUTPUT_DIR <dir>]             where the library is written (default: the stage's apps)
#     [NO_INSTALL])
#
# Every app library is this one frame: a class derived from AppInterface with
# the plug-in identifier "com.ostrelle.veltra.<CLASS>Plugin", its metadata, its
# QML and its translations. It links Qt Core and Qt Qml only.
set(VELTRA_FRAME_DIR ${CMAKE_CURRENT_LIST_DIR}/../apps/frame)

function(veltra_add_app target)
    cmake_parse_arguments(ARG "NO_INSTALL" "CLASS;METADATA;TS_DIR;NAME;OUTPUT_DIR" "QML;FILES;LOCALES" ${ARGN})
    string(TOLOWER ${ARG_CLASS} header_base)
    set(gen_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_frame)
    set(VELTRA_APP_CLASS ${ARG_CLASS})
    get_filename_component(VELTRA_APP_METADATA ${ARG_METADATA} ABSOLUTE)
    set(VELTRA_APP_HEADER ${header_base}.h)
    configure_file(${VELTRA_FRAME_DIR}/appplugin.h.in ${gen_dir}/${header_base}.h @ONLY)
    configure_file(${VELTRA_FRAME_DIR}/appplugin.cpp.in ${gen_dir}/${header_base}.cpp @ONLY)

    add_library(${target} MODULE ${gen_dir}/${header_base}.h ${gen_dir}/${header_base}.cpp
        ${VELTRA_FRAME_DIR}/appinterface.h ${VELTRA_APP_METADATA})
    target_include_directories(${target} PRIVATE ${gen_dir} ${VELTRA_FRAME_DIR})
    target_link_libraries(${target} PRIVATE Qt5::Core Qt5::Qml)
    set_property(TARGET ${target} APPEND PROPERTY AUTOMOC_DEPEND_FILTERS
        "Q_PLUGIN_METADATA" "FILE[ \t]*\"([^\"]+)\"")
    set_source_files_properties(${gen_dir}/${header_base}.h PROPERTIES OBJECT_DEPENDS ${VELTRA_APP_METADATA})
    if(NOT ARG_OUTPUT_DIR)
        set(ARG_OUTPUT_DIR ${VELTRA_STAGE_APPS})
    endif()
    set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
    if(ARG_OUTPUT_DIR STREQUAL VELTRA_STAGE_APPS)
        veltra_stage_targets(${target})
    endif()

    if(ARG_QML OR ARG_FILES)
        veltra_add_resources(${target} NAME ${target}_qml FILES ${ARG_QML} ${ARG_FILES})
    endif()
    veltra_lint_qml(${ARG_QML})
    if(ARG_TS_DIR)
        veltra_add_translations(${target} BASE ${ARG_NAME} TS_DIR ${ARG_TS_DIR} LOCALES ${ARG_LOCALES})
    endif()
    if(NOT ARG_NO_INSTALL)
        install(TARGETS ${target} LIBRARY DESTINATION ${VELTRA_INSTALL_APPS})
    endif()
endfunction()
