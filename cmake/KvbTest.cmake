# kvb_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
#
# Declares a Qt Test program and registers it with CTest. Tests run on the
# offscreen platform, so they need no display, and in English.
#
# Under the sanitizers, a test fails at the first error. A test that preloads
# a library into a child process puts it before the sanitizer runtime, which
# is then told not to mind.
# The tests find controls by their English names, and compare English texts.
set(KVB_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen LANGUAGE=C LC_ALL=C.UTF-8)
if(KVB_SANITIZE)
    list(APPEND KVB_TEST_ENVIRONMENT
        ASAN_OPTIONS=verify_asan_link_order=0:detect_stack_use_after_return=1
        UBSAN_OPTIONS=print_stacktrace=1)
endif()

# Under Wine, Qt Test's plain text output never reaches a pipe; its TAP output
# does.
if(WIN32)
    set(KVB_TEST_ARGUMENTS -tap)
endif()

function(kvb_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    set_target_properties(${name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        KVB_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
        KVB_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name} ${KVB_TEST_ARGUMENTS})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "${KVB_TEST_ENVIRONMENT}"
        TIMEOUT 120)
endfunction()
