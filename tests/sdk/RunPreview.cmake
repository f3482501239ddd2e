# Runs the preview headless on one app and checks its exit code, what it says
# and the size of the screenshot it wrote.
#   cmake -DPREVIEW=<veltra-preview> -DLIBRARY=<app library> -DSHOT=<png> -DRESULT=<exit code>
#         -DEXPECT=<regex> -DSIZE=<width>x<height> [-DARGS=<options, by commas>] -P RunPreview.cmake
string(REPLACE "," ";" ARGS "${ARGS}")
file(REMOVE "${SHOT}")
execute_process(COMMAND "${PREVIEW}" ${ARGS} --screenshot "${SHOT}" "${LIBRARY}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(output "${out}${err}")
if(NOT result STREQUAL RESULT)
    message(FATAL_ERROR "the preview ended with ${result}, not ${RESULT}:\n${output}")
endif()
if(NOT output MATCHES "${EXPECT}")
    message(FATAL_ERROR "the preview did not say\n  ${EXPECT}\n${output}")
endif()
if(NOT EXISTS "${SHOT}")
    message(FATAL_ERROR "no screenshot ${SHOT}:\n${output}")
endif()
# A PNG's size: the IHDR chunk's width and height, big-endian, at bytes 16 and 20.
file(READ "${SHOT}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${SHOT} is not a PNG")
endif()
string(SUBSTRING "${header}" 32 8 width_hex)
string(SUBSTRING "${header}" 40 8 height_hex)
math(EXPR width "0x${width_hex}")
math(EXPR height "0x${height_hex}")
if(NOT "${width}x${height}" STREQUAL SIZE)
    message(FATAL_ERROR "${SHOT} is ${width}x${height}, not ${SIZE}")
endif()
string(REGEX MATCH "${EXPECT}" said "${output}")
message("${said}; ${SHOT}: ${width}x${height}")
