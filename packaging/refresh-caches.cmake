# Runs at the end of `cmake --install`. After a plain install into a live prefix (/usr/local,
# ~/.local) it refreshes the MIME database and an existing icon cache there, so .tbr documents
# are recognised and the icons show at once. A staged install (DESTDIR) and CPack's staging
# inside the build tree are left alone: on Debian the dpkg triggers of shared-mime-info and
# hicolor-icon-theme do this work when the .deb is installed.
# Expects TBR_DATADIR (relative to the prefix) and TBR_BUILD_DIR.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
string(FIND "${CMAKE_INSTALL_PREFIX}/" "${TBR_BUILD_DIR}/" in_build_tree)
if(in_build_tree EQUAL 0)
    return()
endif()

set(data "${CMAKE_INSTALL_PREFIX}/${TBR_DATADIR}")
find_program(TBR_UPDATE_MIME update-mime-database)
if(TBR_UPDATE_MIME)
    message(STATUS "Updating the MIME database: ${data}/mime")
    execute_process(COMMAND "${TBR_UPDATE_MIME}" "${data}/mime" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(WARNING "update-mime-database failed (${rc}): .tbr documents may not be recognised")
    endif()
else()
    message(STATUS "update-mime-database not found: run it on ${data}/mime to register .tbr")
endif()

# Without a cache the desktop scans the icon folders itself; a stale cache would hide new icons.
find_program(TBR_UPDATE_ICONS gtk-update-icon-cache)
if(TBR_UPDATE_ICONS AND EXISTS "${data}/icons/hicolor/icon-theme.cache")
    message(STATUS "Updating the icon cache: ${data}/icons/hicolor")
    # A prefix other than /usr has no index.theme of its own; hicolor's lives in /usr/share.
    execute_process(COMMAND "${TBR_UPDATE_ICONS}" --quiet --force --ignore-theme-index
                            "${data}/icons/hicolor" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(WARNING "gtk-update-icon-cache failed (${rc}): new icons may not show")
    endif()
endif()
