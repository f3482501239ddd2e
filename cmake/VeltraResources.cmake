# veltra_add_resources(<target> NAME <rcc name> [PREFIX <prefix>] FILES <files...>)
#
# Embeds FILES in <target>'s resources under PREFIX (default "/"), each by its
# file name. The .qrc is generated from the list, so a file is named once, in
# CMake. Programs that link a static library of resources call
# Q_INIT_RESOURCE(<rcc name>) (or link an object library).
function(veltra_add_resources target)
    cmake_parse_arguments(ARG "" "NAME;PREFIX" "FILES" ${ARGN})
    if(NOT ARG_PREFIX)
        set(ARG_PREFIX "/")
    endif()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.qrc)
    set(body "<RCC>\n  <qresource prefix=\"${ARG_PREFIX}\">\n")
    set(deps)
    foreach(f IN LISTS ARG_FILES)
        get_filename_component(abs ${f} ABSOLUTE)
        get_filename_component(name ${f} NAME)
        string(APPEND body "    <file alias=\"${name}\">${abs}</file>\n")
        list(APPEND deps ${abs})
    endforeach()
    string(APPEND body "  </qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT ${qrc} CONTENT "${body}")
    set_property(SOURCE ${qrc} PROPERTY SKIP_AUTORCC ON)
    qt5_add_resources(rcc_src ${qrc} OPTIONS -name ${ARG_NAME})
    set_property(SOURCE ${rcc_src} APPEND PROPERTY OBJECT_DEPENDS ${deps})
    target_sources(${target} PRIVATE ${rcc_src})
endfunction()
