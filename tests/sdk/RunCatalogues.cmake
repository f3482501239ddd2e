# An app with catalogues for some of the 11 languages builds with those alone;
# its <target>_lupdate target then creates the missing ones, keeps what the
# existing ones say and adds the launcher title's message, and the next build
# carries all 11.
#   cmake -DSOURCE=<cases/catalogue_subset> -DPREFIX=<SDK prefix> -DWORK=<dir> -DLOCALES=<the 11, by commas>
#         -P RunCatalogues.cmake
string(REPLACE "," ";" LOCALES "${LOCALES}")
file(REMOVE_RECURSE "${WORK}")
# lupdate writes into the app's sources: work on a copy.
file(COPY "${SOURCE}/" DESTINATION "${WORK}/src")
set(src "${WORK}/src")
set(build "${WORK}/build")

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${out}${err}")
    endif()
endfunction()

function(expect_catalogues what)
    set(present)
    set(absent)
    foreach(locale IN LISTS LOCALES)
        if(EXISTS "${build}/i18n_subset/subset_${locale}.qm")
            list(APPEND present ${locale})
        else()
            list(APPEND absent ${locale})
        endif()
    endforeach()
    if(NOT "${present}" STREQUAL "${ARGN}")
        message(FATAL_ERROR "${what}: the library carries the catalogues [${present}], not [${ARGN}]")
    endif()
    message("${what}: catalogues ${present}")
endfunction()

run("configuring with two catalogues" ${CMAKE_COMMAND} -S "${src}" -B "${build}" -G Ninja
    "-DCMAKE_PREFIX_PATH=${PREFIX}" -DCMAKE_BUILD_TYPE=Release)
run("building with two catalogues" ${CMAKE_COMMAND} --build "${build}")
expect_catalogues("two .ts files" de-DE en-US)

run("subset_lupdate" ${CMAKE_COMMAND} --build "${build}" --target subset_lupdate)
foreach(locale IN LISTS LOCALES)
    set(ts "${src}/i18n/subset_${locale}.ts")
    if(NOT EXISTS "${ts}")
        message(FATAL_ERROR "subset_lupdate did not create ${ts}")
    endif()
    file(READ "${ts}" text)
    string(REPLACE "-" "_" language ${locale})
    foreach(needed "language=\"${language}\"" "<name>AppTitle</name>" "<source>com.example.Subset</source>"
            "<name>SubsetApp</name>" "<source>SUBSET_GREETING</source>")
        string(FIND "${text}" "${needed}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${ts} has no ${needed}:\n${text}")
        endif()
    endforeach()
endforeach()
file(READ "${src}/i18n/subset_de-DE.ts" german)
if(NOT german MATCHES "<translation>Guten Tag</translation>")
    message(FATAL_ERROR "subset_lupdate lost the German translation:\n${german}")
endif()

# The new files are picked up without configuring by hand.
run("building after subset_lupdate" ${CMAKE_COMMAND} --build "${build}")
expect_catalogues("after subset_lupdate" ${LOCALES})
