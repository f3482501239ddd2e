# The preview's command line when it shows no app: the help, the usage for a
# mistake, an unknown language, each with its exit code (never a crash).
#   cmake -DPREVIEW=<veltra-preview> -P RunPreviewUsage.cmake
cmake_minimum_required(VERSION 3.16)
set(cases
    "--help|0|Usage: [^\n]*veltra-preview \\[options\\] library"
    "|2|Usage: [^\n]*veltra-preview \\[options\\] library"
    "one.so,two.so|2|Usage: [^\n]*veltra-preview"
    "--no-such-option,x.so|2|Unknown option 'no-such-option'"
    # A locale the shell does not have would show en-US without a word.
    "--language,de_DE,x.so|2|--language is one of de-DE [^
]* zh-CN, not de_DE")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 args)
    list(GET case 1 expected_result)
    list(GET case 2 expect)
    string(REPLACE "," ";" args "${args}")
    execute_process(COMMAND "${PREVIEW}" ${args} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result STREQUAL expected_result)
        message(FATAL_ERROR "veltra-preview ${args} ended with ${result}, not ${expected_result}:\n${out}${err}")
    endif()
    if(NOT "${out}${err}" MATCHES "${expect}")
        message(FATAL_ERROR "veltra-preview ${args} did not say\n  ${expect}\n${out}${err}")
    endif()
    message("veltra-preview ${args}: ${result}")
endforeach()
