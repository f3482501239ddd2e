# CPACK_PRE_BUILD_SCRIPTS: the SDK's package puts the SDK under /opt/veltra-sdk.
#
# `cmake --install` writes the SDK beside the device tree (<prefix>/bin,
# <prefix>/lib/cmake/Veltra, ... next to <prefix>/opt/tarvik), and the SDK's
# programs and CMake package find the shell through <prefix>/opt. The package
# moves the SDK's install into opt/veltra-sdk and adds opt/veltra-sdk/opt, a
# link to "..": the device tree at /opt is then its prefix's opt/, and
# -DCMAKE_PREFIX_PATH=/opt/veltra-sdk works as with an install of one's own.
set(_sdk "${CPACK_TEMPORARY_DIRECTORY}/sdk")
if(NOT IS_DIRECTORY "${_sdk}")
    return()
endif()
file(GLOB _entries RELATIVE "${_sdk}" "${_sdk}/*")
file(MAKE_DIRECTORY "${_sdk}/opt/veltra-sdk")
foreach(_entry IN LISTS _entries)
    if(_entry STREQUAL "opt")
        message(FATAL_ERROR "SdkLayout: the SDK's install has files under opt/, where its package "
            "puts the link to the device tree")
    endif()
    file(RENAME "${_sdk}/${_entry}" "${_sdk}/opt/veltra-sdk/${_entry}")
endforeach()
file(CREATE_LINK ".." "${_sdk}/opt/veltra-sdk/opt" SYMBOLIC)
