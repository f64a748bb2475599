// Entry point of ZelCalCtrl.dll: records the instance handle, registers
// the library with the framework's chain of extension modules and registers
// the controls' window classes (unregistered again when it unloads).
#include "module/zel_module.h"
#include "wndclass/class_window.h"

#include <optional>

namespace {
AFX_EXTENSION_MODULE g_extensionModule;
HINSTANCE g_hInstance = nullptr;
// Registered while the library is loaded.
std::optional<CDynLinkLibrary> g_library;
}

HINSTANCE ZelModuleInstance() { return g_hInstance; }

void ZelUseLibraryResources() { AfxGetModuleState()->m_hCurrentResourceHandle = g_hInstance; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
        if (!AfxInitExtensionModule(g_extensionModule, hInstance))
            return FALSE;  // the load fails
        g_library.emplace(g_extensionModule);
        zelcal::RegisterWindowClasses(hInstance);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        zelcal::UnregisterWindowClasses(hInstance);
        AfxTermExtensionModule(g_extensionModule);
        g_library.reset();
    }
    return TRUE;
}
