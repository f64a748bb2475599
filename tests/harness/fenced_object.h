// A window object in pages of its own that become unreadable the moment the
// object is deleted: any later touch of the freed object faults at once
// instead of reading stale bytes.
#pragma once

#include <cstdio>
#include <new>
#include <set>
#include <utility>

#include <windows.h>

// A fault in a deleted fenced object ends the process at once with a message
// (left to the window system, it may be swallowed and the test hang).
inline std::set<const void*> g_fencedDeleted;
inline LONG CALLBACK EndOnFencedFault(EXCEPTION_POINTERS* pInfo)
{
    const EXCEPTION_RECORD& r = *pInfo->ExceptionRecord;
    MEMORY_BASIC_INFORMATION mbi{};
    if (r.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && r.NumberParameters >= 2 &&
        ::VirtualQuery(reinterpret_cast<void*>(r.ExceptionInformation[1]), &mbi, sizeof mbi) != 0 &&
        g_fencedDeleted.count(mbi.AllocationBase) != 0) {
        std::fprintf(stderr, "deleted object touched by code at %p\n", r.ExceptionAddress);
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

template <class T>
class FencedObject {
public:
    FencedObject() { [[maybe_unused]] static const PVOID s_hHandler = ::AddVectoredExceptionHandler(1, EndOnFencedFault); }
    ~FencedObject() { Delete(), g_fencedDeleted.erase(m_pMem), ::VirtualFree(m_pMem, 0, MEM_RELEASE); }
    FencedObject(const FencedObject&) = delete;
    FencedObject& operator=(const FencedObject&) = delete;

    T* operator->() const { return m_pObj; }
    T& operator*() const { return *m_pObj; }
    bool Alive() const { return m_pObj != nullptr; }
    // The host deletes the object: destructor, then the pages made unreadable.
    void Delete()
    {
        if (T* pObj = std::exchange(m_pObj, nullptr)) {
            pObj->~T();
            DWORD dwOld = 0;
            ::VirtualProtect(m_pMem, sizeof(T), PAGE_NOACCESS, &dwOld);
            g_fencedDeleted.insert(m_pMem);
        }
    }

private:
    void* m_pMem = ::VirtualAlloc(nullptr, sizeof(T), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    T* m_pObj = m_pMem != nullptr ? new (m_pMem) T() : nullptr;
};
