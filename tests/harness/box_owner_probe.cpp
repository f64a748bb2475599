#include "box_owner_probe.h"

#include <cstring>

namespace {

typedef int(WINAPI* MessageBoxAFn)(HWND, LPCSTR, LPCSTR, UINT);

MessageBoxAFn g_pReal = nullptr;
std::vector<HWND> g_owners;

int WINAPI RecordingMessageBoxA(HWND hWnd, LPCSTR pszText, LPCSTR pszCaption, UINT uType)
{
    g_owners.push_back(hWnd);
    return g_pReal(hWnd, pszText, pszCaption, uType);
}

// The import address slot through which a module calls user32's MessageBoxA.
void** FindImportSlot(HMODULE hModule)
{
    void* pTarget = reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "MessageBoxA"));
    if (hModule == nullptr || pTarget == nullptr)
        return nullptr;
    BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
    auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    for (auto* pDesc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pDesc->Name != 0;
         ++pDesc) {
        if (lstrcmpiA(reinterpret_cast<const char*>(pBase + pDesc->Name), "user32.dll") != 0)
            continue;
        for (auto* pThunk = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->FirstThunk);
             pThunk->u1.Function != 0; ++pThunk) {
            if (reinterpret_cast<void*>(pThunk->u1.Function) == pTarget)
                return reinterpret_cast<void**>(&pThunk->u1.Function);
        }
    }
    return nullptr;
}

bool WriteSlot(void** pSlot, void* pValue)
{
    DWORD dwOld = 0;
    if (!::VirtualProtect(pSlot, sizeof(void*), PAGE_READWRITE, &dwOld))
        return false;
    *pSlot = pValue;
    ::VirtualProtect(pSlot, sizeof(void*), dwOld, &dwOld);
    return true;
}

}  // namespace

MessageBoxOwnerProbe::MessageBoxOwnerProbe()
{
    g_owners.clear();
    void** pSlot = FindImportSlot(::GetModuleHandleA("ZelCalCtrl.dll"));
    if (pSlot == nullptr)
        return;
    m_pOriginal = *pSlot;
    g_pReal = reinterpret_cast<MessageBoxAFn>(m_pOriginal);
    if (WriteSlot(pSlot, reinterpret_cast<void*>(&RecordingMessageBoxA)))
        m_pSlot = pSlot;
}

MessageBoxOwnerProbe::~MessageBoxOwnerProbe()
{
    if (m_pSlot != nullptr)
        WriteSlot(m_pSlot, m_pOriginal);
    g_owners.clear();
}

const std::vector<HWND>& MessageBoxOwnerProbe::Owners() const { return g_owners; }

void MessageBoxOwnerProbe::Clear() { g_owners.clear(); }
