// The library module: its instance handle, recorded when it is loaded.
#pragma once
#include "afxwin.h"

// Instance handle of ZelCalCtrl.dll.
HINSTANCE ZelModuleInstance();
// Makes the library's templates the ones found next (the current resource
// handle of the module state), and leaves it so.
void ZelUseLibraryResources();
