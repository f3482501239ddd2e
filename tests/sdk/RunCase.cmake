# Configures and builds one broken sample app (cases/<CASE>) against the SDK in
# PREFIX, in WORK, and passes when that fails with output matching EXPECT.
#   cmake -DCASE=<name> -DSOURCE=<cases dir> -DPREFIX=<SDK prefix> -DWORK=<dir> -DEXPECT=<regex> -P RunCase.cmake
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}/${CASE}" -B "${WORK}" -G Ninja
        "-DCMAKE_PREFIX_PATH=${PREFIX}" -DCMAKE_BUILD_TYPE=Release
    RESULT_VARIABLE configure_result OUTPUT_VARIABLE configure_out ERROR_VARIABLE configure_err)
set(output "${configure_out}${configure_err}")
set(result ${configure_result})
if(configure_result EQUAL 0)
    execute_process(COMMAND ${CMAKE_COMMAND} --build "${WORK}"
        RESULT_VARIABLE build_result OUTPUT_VARIABLE build_out ERROR_VARIABLE build_err)
    string(APPEND output "${build_out}${build_err}")
    set(result ${build_result})
endif()
if(result EQUAL 0)
    message(FATAL_ERROR "${CASE}: configured and built; expected an error matching\n  ${EXPECT}\n${output}")
endif()
# CMake wraps its messages: compare with every run of white space as one space.
string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
if(NOT flat MATCHES "${EXPECT}")
    message(FATAL_ERROR "${CASE}: failed, but without an error matching\n  ${EXPECT}\n${output}")
endif()
string(REGEX MATCH "${EXPECT}" said "${flat}")
message("${CASE}: ${said}")
