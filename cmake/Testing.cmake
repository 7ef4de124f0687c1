# tbr_add_gtest(<name> SOURCES ... LIBS ... [LABELS ...]): a GoogleTest program and its CTest
# entries. On Linux each test case is its own CTest entry; on Windows (run under Wine when
# cross-built) the whole program is one entry, because discovering cases would start Wine for
# every build.
function(tbr_add_gtest name)
    cmake_parse_arguments(arg "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest_main)
    tbr_warnings(${name})
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS "${arg_LABELS}" TIMEOUT 120)
        if(CMAKE_CROSSCOMPILING)
            # Under Wine, in the environment that tests/win32 starts once per ctest run.
            set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
        endif()
    else()
        # NO_PRETTY_VALUES: a case is named by its name, never by a dump of its parameter. A case
        # that skips itself (GTEST_SKIP) is reported as skipped, not as passed.
        gtest_discover_tests(${name} NO_PRETTY_VALUES PROPERTIES LABELS "${arg_LABELS}" TIMEOUT 120
                             SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]" DISCOVERY_TIMEOUT 30)
    endif()
endfunction()
