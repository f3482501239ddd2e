# Configures one sample app (cases/<CASE>) against the SDK in PREFIX, in WORK,
# and passes when that succeeds.
#   cmake -DCASE=<name> -DSOURCE=<cases dir> -DPREFIX=<SDK prefix> -DWORK=<dir> -P RunConfigure.cmake
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}/${CASE}" -B "${WORK}" -G Ninja
        "-DCMAKE_PREFIX_PATH=${PREFIX}" -DCMAKE_BUILD_TYPE=Release
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CASE}: configuring failed (${result}):\n${out}${err}")
endif()
message("${CASE}: configured")
