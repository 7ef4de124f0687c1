# The Windows half of the start-up benchmark: the yardstick dialog, built like tbrwiz.exe.
configure_file(minimal_dialog.rc.in ${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc @ONLY)
add_executable(startup_minimal_dialog WIN32 minimal_dialog.cpp
               ${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc)
tbr_warnings(startup_minimal_dialog)
# The same dialog after loading the common controls (comctl32 6): what any window with themed
# controls starts from.
add_executable(startup_common_controls_dialog WIN32 minimal_dialog.cpp
               ${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc)
target_compile_definitions(startup_common_controls_dialog PRIVATE TBR_LOAD_COMMON_CONTROLS)
target_link_libraries(startup_common_controls_dialog PRIVATE comctl32)
tbr_warnings(startup_common_controls_dialog)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc PROPERTIES
    OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/ui/win32/tbrwiz.manifest)
if(MSVC)
    # They have one from the .rc.
    target_link_options(startup_minimal_dialog PRIVATE /MANIFEST:NO)
    target_link_options(startup_common_controls_dialog PRIVATE /MANIFEST:NO)
endif()

# The probe's readings under Wine, taken with the Linux build's startup_probe (scripts/test.sh
# builds that first); skipped when it is not there. No figure is judged.
if(BUILD_TESTING AND CMAKE_CROSSCOMPILING)
    set(TBR_STARTUP_PROBE_BUILD ${PROJECT_SOURCE_DIR}/build/ci CACHE PATH
        "Linux build folder that holds bench/startup/startup_probe")
    add_test(NAME bench.startup_wine_smoke
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/smoke_test_wine.sh ${CMAKE_BINARY_DIR}
                     ${TBR_STARTUP_PROBE_BUILD})
    set_tests_properties(bench.startup_wine_smoke PROPERTIES
        LABELS bench TIMEOUT 300 RUN_SERIAL ON SKIP_RETURN_CODE 77)
endif()
