// tbrwiz on Windows: shows the main window and runs until a window ends the program. No command
// line is read.
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Never load a DLL from the current folder. (The editor's search leaves that folder out by
    // itself: shell/editor_launch_win32.cpp.)
    SetDllDirectoryW(L"");

    tbr::win32::Program program(instance, tbr::win32::Catalogue::ForUser(instance));
    program.start();
    return program.run();
}
