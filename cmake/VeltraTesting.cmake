# Helpers for the test tree. Every test runs headless with the software renderer;
# VELTRA_TIMEOUT_FACTOR multiplies the time-outs of QML tests (CI may raise it).
set(VELTRA_TEST_ENV
    QT_QPA_PLATFORM=offscreen
    QT_QUICK_BACKEND=software
    QT_LOGGING_RULES=qt.qpa.*=false
    XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime)
# A cross build runs its tests through the emulator (CMAKE_CROSSCOMPILING_EMULATOR)
# with what its toolchain file says the emulated programs need (VELTRA_CROSS_RUN_ENV).
if(CMAKE_CROSSCOMPILING)
    list(APPEND VELTRA_TEST_ENV ${VELTRA_CROSS_RUN_ENV})
endif()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/test-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# Registers QML files for the qmllint test that runs over the whole tree.
function(veltra_lint_qml)
    foreach(f IN LISTS ARGN)
        get_filename_component(abs ${f} ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY VELTRA_QML_FILES ${abs})
    endforeach()
endfunction()

# veltra_add_qtest(<name> SOURCES ... LIBS ... [LABELS ...])
# A QtTest executable and its CTest of the same name.
function(veltra_add_qtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test veltra_testsupport ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${VELTRA_TEST_ENV};${ARG_ENV}"
        LABELS "${ARG_LABELS}"
        TIMEOUT 300)
endfunction()

# veltra_add_qml_tests(<files...> [ENV <VAR=value>...]): one CTest per tst_*.qml,
# all run by the one Quick Test main (tests/support/quicktestmain.cpp). ENV
# entries are added to each test's environment (e.g. VELTRA_TEST_APPS_DIR).
function(veltra_add_qml_tests)
    cmake_parse_arguments(ARG "" "" "ENV" ${ARGN})
    foreach(f IN LISTS ARG_UNPARSED_ARGUMENTS)
        get_filename_component(abs ${f} ABSOLUTE)
        get_filename_component(base ${f} NAME_WE)
        get_filename_component(dir ${CMAKE_CURRENT_SOURCE_DIR} NAME)
        set(test_name qml_${dir}_${base})
        add_test(NAME ${test_name} COMMAND veltra_quicktest -input ${abs})
        # Quick Test prints every warning it was not told to expect as a QWARN
        # line; one that comes from QML or JavaScript fails the test.
        set_tests_properties(${test_name} PROPERTIES
            FAIL_REGULAR_EXPRESSION "QWARN[^\n]*(\\.qml|\\.js|qrc:|qml: |js: )"
            ENVIRONMENT "${VELTRA_TEST_ENV};${ARG_ENV}"
            LABELS "qml"
            TIMEOUT 300)
        veltra_lint_qml(${abs})
    endforeach()
endfunction()

function(veltra_add_qmllint_test)
    get_property(all_qml GLOBAL PROPERTY VELTRA_QML_FILES)
    list(REMOVE_DUPLICATES all_qml)
    if(NOT all_qml)
        return()
    endif()
    find_program(VELTRA_QMLLINT qmllint HINTS ${_qt5Core_install_prefix}/lib/qt5/bin /usr/lib/qt5/bin REQUIRED)
    string(REPLACE ";" "|" files_arg "${all_qml}")
    add_test(NAME qmllint COMMAND ${CMAKE_COMMAND} "-DQMLLINT=${VELTRA_QMLLINT}" "-DFILES=${files_arg}"
        -P ${PROJECT_SOURCE_DIR}/cmake/RunQmllint.cmake)
endfunction()
