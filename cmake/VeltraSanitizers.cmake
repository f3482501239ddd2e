# -DVELTRA_SANITIZE=ON builds every target added after this point (the product,
# the apps, the test mains and fixtures; not the build-time tools) with
# AddressSanitizer and UndefinedBehaviorSanitizer, and gives every test the
# run-time options: leak checking on, the first report ends the process with a
# failure, and the commented suppressions in cmake/sanitizers/ for what the
# program keeps on purpose until it ends and for Qt's own allocations.
option(VELTRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VELTRA_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "VELTRA_SANITIZE needs GCC or Clang")
    endif()
    set(_veltra_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${_veltra_sanitize_flags})
    add_link_options(${_veltra_sanitize_flags})

    set(VELTRA_SANITIZER_DIR ${CMAKE_CURRENT_LIST_DIR}/sanitizers)
    list(APPEND VELTRA_TEST_ENV
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:exitcode=23:detect_stack_use_after_return=0:strict_string_checks=0:check_initialization_order=1:fast_unwind_on_malloc=0:malloc_context_size=20"
        "LSAN_OPTIONS=suppressions=${VELTRA_SANITIZER_DIR}/lsan.supp:print_suppressions=0:exitcode=23"
        "UBSAN_OPTIONS=suppressions=${VELTRA_SANITIZER_DIR}/ubsan.supp:print_stacktrace=1:halt_on_error=1:exitcode=23")
    message(STATUS "Veltra: AddressSanitizer and UndefinedBehaviorSanitizer on")
endif()
