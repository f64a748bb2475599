// Holds a named flag from a second process: flag_holder NAME READY QUIT.
// Takes the flag, signals the event READY, and lets go when QUIT is set (or
// after a minute, so a failed test leaves nothing behind for long).
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    HANDLE hFlag = ::CreateMutexA(nullptr, TRUE, argv[1]);
    HANDLE hReady = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE hQuit = ::OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (hFlag == nullptr || hReady == nullptr || hQuit == nullptr)
        return 1;
    ::SetEvent(hReady);
    ::WaitForSingleObject(hQuit, 60000);
    ::ReleaseMutex(hFlag);
    ::CloseHandle(hFlag);
    ::CloseHandle(hReady);
    ::CloseHandle(hQuit);
    return 0;
}
