# An app whose LOCALES name a language without its .ts file configures, so that
# the command that creates the file exists; the build stops naming the file and
# that command (<target>_lupdate), and after it the next build carries exactly
# the catalogues of LOCALES.
#   cmake -DSOURCE=<cases/catalogue_locales> -DPREFIX=<SDK prefix> -DWORK=<dir> -P RunLocales.cmake
file(REMOVE_RECURSE "${WORK}")
# lupdate writes into the app's sources: work on a copy.
file(COPY "${SOURCE}/" DESTINATION "${WORK}/src")
set(src "${WORK}/src")
set(build "${WORK}/build")

function(run what expected_result)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(expected_result STREQUAL "ok" AND NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${out}${err}")
    elseif(expected_result STREQUAL "fails" AND result EQUAL 0)
        message(FATAL_ERROR "${what} succeeded; expected it to stop:\n${out}${err}")
    endif()
    string(REGEX REPLACE "[ \t\r\n]+" " " flat "${out}${err}")
    set(output "${flat}" PARENT_SCOPE)
endfunction()

run("configuring without subset_fr-FR.ts" ok ${CMAKE_COMMAND} -S "${src}" -B "${build}" -G Ninja
    "-DCMAKE_PREFIX_PATH=${PREFIX}" -DCMAKE_BUILD_TYPE=Release)
run("building without subset_fr-FR.ts" fails ${CMAKE_COMMAND} --build "${build}")
set(expect "translation sources missing: [^ ]*/i18n/subset_fr-FR\\.ts .*--target subset_lupdate")
if(NOT output MATCHES "${expect}")
    message(FATAL_ERROR "the build stopped without an error matching\n  ${expect}\n${output}")
endif()

run("subset_lupdate" ok ${CMAKE_COMMAND} --build "${build}" --target subset_lupdate)
if(NOT EXISTS "${src}/i18n/subset_fr-FR.ts")
    message(FATAL_ERROR "subset_lupdate did not create subset_fr-FR.ts")
endif()
run("building after subset_lupdate" ok ${CMAKE_COMMAND} --build "${build}")
file(GLOB catalogues RELATIVE "${build}/i18n_subset" "${build}/i18n_subset/*.qm")
list(SORT catalogues)
if(NOT "${catalogues}" STREQUAL "subset_de-DE.qm;subset_fr-FR.qm")
    message(FATAL_ERROR "the library carries the catalogues [${catalogues}], not those of LOCALES")
endif()
message("catalogue_locales: ${catalogues}")
