// The program writes no file but the document and leaves no process behind; left alone, the
// toolkit would do both.
#pragma once

namespace tbr::qt {

// Called once at the start of main(), before the application object exists:
// - without a session bus, no bus daemon is started for the program (shell/session_bus.h);
// - the file dialogs keep no history: Qt's dialog saves its last folder and view in the user's
//   settings ("QtProject.conf") and reads them back, and this program keeps no settings.
void LeaveNoTrace();

}  // namespace tbr::qt
