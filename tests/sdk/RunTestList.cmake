# Configures one sample app (cases/<CASE>) against the SDK in PREFIX, in WORK,
# and passes when ctest in its build directory lists the test EXPECT.
#   cmake -DCASE=<name> -DSOURCE=<cases dir> -DPREFIX=<SDK prefix> -DWORK=<dir> -DEXPECT=<test name>
#         -P RunTestList.cmake
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE}/${CASE}" -B "${WORK}" -G Ninja
        "-DCMAKE_PREFIX_PATH=${PREFIX}" -DCMAKE_BUILD_TYPE=Release
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CASE}: configuring failed (${result}):\n${out}${err}")
endif()
get_filename_component(ctest_dir "${CMAKE_COMMAND}" DIRECTORY)
execute_process(COMMAND "${ctest_dir}/ctest" -N WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT out MATCHES "Test +#1: ${EXPECT}\n")
    message(FATAL_ERROR "${CASE}: ctest does not list ${EXPECT}:\n${out}${err}")
endif()
message("${CASE}: ctest lists ${EXPECT}")
