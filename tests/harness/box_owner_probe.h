// Records the owner window the library asks for with each message box (the
// window handed to MessageBoxA). A box's own owner cannot tell a control
// from the host dialog around it: the system makes the top-level window the
// owner of a box asked for by a child window.
#pragma once

#include <vector>

#include <windows.h>

class MessageBoxOwnerProbe {
public:
    // Routes ZelCalCtrl.dll's import of MessageBoxA through the probe for the
    // object's lifetime.
    MessageBoxOwnerProbe();
    ~MessageBoxOwnerProbe();
    MessageBoxOwnerProbe(const MessageBoxOwnerProbe&) = delete;
    MessageBoxOwnerProbe& operator=(const MessageBoxOwnerProbe&) = delete;

    bool Installed() const { return m_pSlot != nullptr; }
    // The owner asked for by each box, in order.
    const std::vector<HWND>& Owners() const;
    void Clear();

private:
    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};
