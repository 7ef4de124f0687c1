// tbrwiz on Windows: shows the main window and runs until a window ends the program. No command
// line is read.
#include "shell/dll_search_win32.h"
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // DLLs loaded from now on come from the system folder: never from the program's folder or
    // the current one. (The editor's search leaves the current folder out by itself, and the
    // editor gets the default DLL search: shell/editor_launch_win32.cpp.)
    tbr::SearchDllsInSystemFolderOnly();

    tbr::win32::Program program(instance, tbr::win32::Catalogue::ForUser(instance));
    program.start();
    return program.run();
}
