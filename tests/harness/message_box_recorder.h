// Records every message box the thread shows (text, caption, icon, owner,
// whether the main window was disabled) and closes each one for real, so
// that the box's own message loop runs and returns as it would for a user.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct RecordedBox {
    std::string text;      // Shift_JIS, as the library passed it
    std::string caption;
    UINT icon;             // MB_ICONSTOP, MB_ICONINFORMATION, or 0
    HWND owner;
    bool mainDisabled;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<RecordedBox>& Boxes() const { return m_boxes; }
    size_t Count() const { return m_boxes.size(); }
    void Clear() { m_boxes.clear(); }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    HHOOK m_hHook;
    std::vector<RecordedBox> m_boxes;
};
