// Holds a file open from a second process: file_holder PATH SHARE READY QUIT.
// Opens PATH for reading with the share mode SHARE (a number: 0 none, 4
// delete only, ...), signals the event READY, and closes it when QUIT is set
// (or after a minute, so a failed test leaves nothing behind for long).
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const DWORD dwShare = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    HANDLE hFile = ::CreateFileA(argv[1], GENERIC_READ, dwShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE hReady = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    HANDLE hQuit = ::OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
    if (hFile == INVALID_HANDLE_VALUE || hReady == nullptr || hQuit == nullptr)
        return 1;
    ::SetEvent(hReady);
    ::WaitForSingleObject(hQuit, 60000);
    ::CloseHandle(hFile);
    ::CloseHandle(hReady);
    ::CloseHandle(hQuit);
    return 0;
}
