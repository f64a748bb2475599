#include "controls/zel_key_walk.h"

int CZelWalkStops::IndexOf(UINT nID) const
{
    for (int i = 0; i < m_nCount; ++i) {
        if (m_ids[i] == nID)
            return i;
    }
    return -1;
}

static bool Reachable(HWND hStop)
{
    return hStop != nullptr && ::IsWindowVisible(hStop) && ::IsWindowEnabled(hStop);
}

HWND ZelWalkTarget(HWND hDlg, const CZelWalkStops& stops, UINT nAt, bool bBack, HWND hPrev, HWND hNext)
{
    const int nCount = stops.Count();
    int i = stops.IndexOf(nAt);
    if (i < 0)
        return bBack || nCount == 0 ? nullptr : ::GetDlgItem(hDlg, static_cast<int>(stops.First()));
    const int nStep = bBack ? -1 : 1;
    // One round at most: a walk whose every other stop is greyed comes back.
    for (int n = 0; n < nCount; ++n) {
        i += nStep;
        if (i < 0 || i >= nCount) {
            if (!stops.Wraps())
                return bBack ? hPrev : hNext;
            i = bBack ? nCount - 1 : 0;
        }
        HWND hStop = ::GetDlgItem(hDlg, static_cast<int>(stops.At(i)));
        if (Reachable(hStop))
            return hStop;
    }
    return nullptr;
}
