# The Windows half of the start-up benchmark: the yardstick dialog, built like tbrwiz.exe.
configure_file(minimal_dialog.rc.in ${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc @ONLY)
add_executable(startup_minimal_dialog WIN32 minimal_dialog.cpp
               ${CMAKE_CURRENT_BINARY_DIR}/minimal_dialog.rc)
tbr_warnings(startup_minimal_dialog)
if(MSVC)
    target_link_options(startup_minimal_dialog PRIVATE /MANIFEST:NO)  # it has one from the .rc
endif()
