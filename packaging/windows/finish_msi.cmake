# Finishes an installer that wixl wrote, with msitools' own msibuild and msiinfo, where wixl
# cannot write what it needs:
#   cmake -D MSI=<file> -D TITLE_STRING=<number> -D MSIBUILD=<msibuild> -D MSIINFO=<msiinfo>
#         -P finish_msi.cmake
# - Every custom action named Undo* becomes a rollback action (wixl drops Execute="rollback" and
#   writes it as an ordinary deferred one, which would undo the installation as it runs).
# - The Start menu shortcut is named by the program's string table: DisplayResourceDLL is the
#   installed tbrwiz.exe, DisplayResourceId the number of the program's title (wixl ignores both).
# The installer is checked afterwards; anything amiss fails the build.
foreach(variable MSI TITLE_STRING MSIBUILD MSIINFO)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "finish_msi: ${variable} is not set")
    endif()
endforeach()

# The CustomAction table as text: a header of three lines, then one tab-separated row each.
function(read_custom_actions out)
    execute_process(COMMAND ${MSIINFO} export ${MSI} CustomAction
                    OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "finish_msi: msiinfo cannot read ${MSI}")
    endif()
    string(REGEX MATCHALL "Undo[A-Za-z]*\t[0-9]+" rows "${text}")
    set(${out} ${rows} PARENT_SCOPE)
endfunction()

# Windows Installer's custom action type bits.
set(in_script 1024)  # deferred: runs from the installation script
set(rollback 256)    # with in_script: runs only when the installation is rolled back

read_custom_actions(undo_actions)
if(NOT undo_actions)
    message(FATAL_ERROR "finish_msi: ${MSI} has no Undo* custom action")
endif()
set(queries)
foreach(row IN LISTS undo_actions)
    string(REPLACE "\t" ";" row "${row}")
    list(GET row 0 action)
    list(GET row 1 type)
    math(EXPR deferred "${type} & ${in_script}")
    if(NOT deferred)
        message(FATAL_ERROR "finish_msi: ${action} is not deferred (type ${type})")
    endif()
    math(EXPR type "${type} | ${rollback}")
    list(APPEND queries -q "UPDATE CustomAction SET Type=${type} WHERE Action='${action}'")
endforeach()
list(APPEND queries -q "UPDATE Shortcut SET DisplayResourceDLL='[#tbrwiz.exe]', \
DisplayResourceId=${TITLE_STRING} WHERE Shortcut='StartMenuShortcut'")
execute_process(COMMAND ${MSIBUILD} ${MSI} ${queries} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "finish_msi: msibuild could not change ${MSI}")
endif()

read_custom_actions(undo_actions)
foreach(row IN LISTS undo_actions)
    string(REPLACE "\t" ";" row "${row}")
    list(GET row 1 type)
    math(EXPR is_rollback "${type} & ${rollback}")
    if(NOT is_rollback)
        message(FATAL_ERROR "finish_msi: ${row} did not become a rollback action")
    endif()
endforeach()
execute_process(COMMAND ${MSIINFO} export ${MSI} Shortcut OUTPUT_VARIABLE shortcuts)
if(NOT shortcuts MATCHES "\t\\[#tbrwiz\\.exe\\]\t${TITLE_STRING}\t")
    message(FATAL_ERROR "finish_msi: the shortcut does not name its string in tbrwiz.exe")
endif()
