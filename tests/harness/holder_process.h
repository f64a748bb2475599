// The test build's holder.exe as a second process: it sets the first of two
// named events once it holds what it is asked to, and lets go when the
// second is set, which this object does when it goes.
#pragma once

#include <windows.h>

#include <string>

class HolderProcess {
public:
    HolderProcess(const char* pszProgram, const std::string& strArgs)
    {
        char exe[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string cmd(exe);
        cmd.erase(cmd.find_last_of('\\') + 1);
        const std::string tag = std::to_string(::GetCurrentProcessId());
        const std::string ready = "ZelTestReady" + tag, quit = "ZelTestQuit" + tag;
        const HANDLE hReady = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
        m_hQuit = ::CreateEventA(nullptr, TRUE, FALSE, quit.c_str());
        cmd = "\"" + cmd + pszProgram + "\" " + strArgs + " " + ready + " " + quit;
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
            m_bReady = ::WaitForSingleObject(hReady, 30000) == WAIT_OBJECT_0;
        ::CloseHandle(hReady);
    }
    HolderProcess(const HolderProcess&) = delete;
    HolderProcess& operator=(const HolderProcess&) = delete;
    ~HolderProcess()
    {
        ::SetEvent(m_hQuit);
        if (m_pi.hProcess) {
            ::WaitForSingleObject(m_pi.hProcess, 30000);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
        ::CloseHandle(m_hQuit);
    }
    bool Ready() const { return m_bReady; }

private:
    PROCESS_INFORMATION m_pi{};
    HANDLE m_hQuit = nullptr;
    bool m_bReady = false;
};
