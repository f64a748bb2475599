// Holds something from a second process while a test runs:
//   holder file PATH SHARE READY QUIT   PATH open for reading with the share
//                                       mode SHARE (0 none, 4 delete only, ...)
//   holder flag NAME READY QUIT         the named flag taken
// Signals the event READY once it holds, and lets go when QUIT is set (or
// after a minute, so a failed test leaves nothing behind for long).
#include <windows.h>

#include <cstdlib>
#include <string>

struct Handle
{
    HANDLE h;
    ~Handle() { ::CloseHandle(h); }  // null or invalid: nothing to close, and no harm
};

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc != (mode == "file" ? 6 : mode == "flag" ? 5 : -1))
        return 2;
    const Handle held{mode == "file" ? ::CreateFileA(argv[2], GENERIC_READ, std::strtoul(argv[3], nullptr, 10), nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                                     : ::CreateMutexA(nullptr, TRUE, argv[2])};
    const Handle ready{::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[argc - 2])};
    const Handle quit{::OpenEventA(SYNCHRONIZE, FALSE, argv[argc - 1])};
    if (!held.h || held.h == INVALID_HANDLE_VALUE || !ready.h || !quit.h)
        return 1;
    ::SetEvent(ready.h);
    ::WaitForSingleObject(quit.h, 60000);
    if (mode == "flag")
        ::ReleaseMutex(held.h);
    return 0;
}
