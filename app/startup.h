// Start-up steps that come before the main window.
#pragma once

// Makes the folder of the program's own file the current directory; a failure changes nothing.
void MakeProgramFolderCurrent();
