// tbrwiz on Windows: shows the main window and runs until a window ends the program. No command
// line is read.
#include "ui/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The editor is started by its bare name: never look for it in the current folder, and
    // never load a DLL from there either.
    SetEnvironmentVariableW(L"NoDefaultCurrentDirectoryInExePath", L"1");
    SetDllDirectoryW(L"");

    tbr::win32::Program program(instance);
    program.start();
    return program.run();
}
