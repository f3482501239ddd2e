# cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DOUTPUT=<dir> -P MakePackages.cmake
# Every package of the build into OUTPUT (emptied first), as the target
# `packages` makes them into <build>/packages.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed (${status})")
endif()
file(REMOVE_RECURSE "${OUTPUT}/_CPack_Packages")
