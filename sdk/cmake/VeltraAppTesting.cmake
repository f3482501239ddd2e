# Testing and previewing an app with the SDK's programs.
#
# veltra_add_app_tests(<app target> <tst_*.qml>... [ENV <VAR=value>...])
#   One CTest per file, "<app target>_<file name>", run by Veltra::qmltest
#   headless: the shell's window over the installed apps and this app (tests
#   import Veltra.Testing and use AppTestCase). A QML warning fails the test.
#   VELTRA_TEST_LANGUAGE=<locale> in ENV sets the language;
#   VELTRA_TIMEOUT_FACTOR in the environment multiplies time-outs.
#
# veltra_add_app_preview(<app target> [LANGUAGE <locale>] [EDITION device|desktop])
#   The target <app target>_preview: the app in the shell's window
#   (Veltra::preview); without a display it writes
#   <build dir>/<library name>-preview.png and prints the path.
function(veltra_add_app_tests app)
    cmake_parse_arguments(ARG "" "" "ENV" ${ARGN})
    set(runtime_dir ${CMAKE_BINARY_DIR}/test-runtime)
    file(MAKE_DIRECTORY ${runtime_dir})
    file(CHMOD ${runtime_dir} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    foreach(f IN LISTS ARG_UNPARSED_ARGUMENTS)
        get_filename_component(abs ${f} ABSOLUTE)
        get_filename_component(base ${f} NAME_WE)
        set(name ${app}_${base})
        add_test(NAME ${name} COMMAND Veltra::qmltest -input ${abs})
        # Quick Test prints every warning it was not told to expect as a QWARN
        # line; one that comes from QML or JavaScript fails the test.
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software;QT_LOGGING_RULES=qt.qpa.*=false;XDG_RUNTIME_DIR=${runtime_dir};VELTRA_TEST_APPS=$<TARGET_FILE:${app}>;${ARG_ENV}"
            FAIL_REGULAR_EXPRESSION "QWARN[^\n]*(\\.qml|\\.js|qrc:|qml: |js: )"
            TIMEOUT 300)
    endforeach()
endfunction()

function(veltra_add_app_preview app)
    cmake_parse_arguments(ARG "" "LANGUAGE;EDITION" "" ${ARGN})
    set(options)
    if(ARG_LANGUAGE)
        list(APPEND options --language ${ARG_LANGUAGE})
    endif()
    if(ARG_EDITION)
        list(APPEND options --edition ${ARG_EDITION})
    endif()
    add_custom_target(${app}_preview
        COMMAND Veltra::preview ${options} $<TARGET_FILE:${app}>
        DEPENDS ${app}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        USES_TERMINAL
        VERBATIM)
endfunction()
