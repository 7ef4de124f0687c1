// Where this process looks for the DLLs it loads after its start, and what a process it starts
// inherits of that. Only Windows code includes this header.
#pragma once

namespace tbr {

// Called first thing at start. A DLL loaded by name comes from the system folder (System32)
// alone: not from the program's own folder, where a program started from Downloads would find
// whatever was downloaded beside it, nor from the current folder or PATH. The current folder is
// also left out of the searches that do not follow that rule: a DLL loaded by its full path with
// LOAD_WITH_ALTERED_SEARCH_PATH, as COM loads a shell extension into the file and folder dialogs,
// has its own dependencies looked for in its own folder, then the system folders, then the
// current folder and PATH.
void SearchDllsInSystemFolderOnly();

// While one exists, a process started by this one gets Windows' default DLL search. The folder
// set with SetDllDirectoryW was found to reach processes started with CreateProcessW on Windows
// (Microsoft's page on SetDllDirectoryW says nothing either way; Wine passes nothing on), and the
// editor is not to inherit this program's choices. The defaults set with
// SetDefaultDllDirectories are this process's own.
class DefaultDllSearchForNewProcesses {
  public:
    DefaultDllSearchForNewProcesses();
    DefaultDllSearchForNewProcesses(const DefaultDllSearchForNewProcesses&) = delete;
    DefaultDllSearchForNewProcesses& operator=(const DefaultDllSearchForNewProcesses&) = delete;
    ~DefaultDllSearchForNewProcesses();

  private:
    bool restore_;
};

}  // namespace tbr
