// The key walk of a control: the stops of the face in force, in tab order,
// and what lies beyond its ends. Tab and Enter step forward, Shift+Tab back;
// past an end the walk either leads out to the host's neighbour on that side
// or wraps to the other end. One routine serves every control.
#pragma once

#include <initializer_list>

#include <windows.h>

class CZelWalkStops {
public:
    static const int kMaxStops = 8;

    CZelWalkStops() = default;
    CZelWalkStops(std::initializer_list<UINT> ids)
    {
        for (UINT nID : ids)
            Add(nID);
    }

    void Add(UINT nID)
    {
        if (m_nCount < kMaxStops)
            m_ids[m_nCount++] = nID;
    }
    int Count() const { return m_nCount; }
    UINT First() const { return m_nCount > 0 ? m_ids[0] : 0; }
    UINT Last() const { return m_nCount > 0 ? m_ids[m_nCount - 1] : 0; }
    UINT At(int i) const { return m_ids[i]; }
    // Position of a stop, -1 for an ID that is none.
    int IndexOf(UINT nID) const;
    // The ends wrap inside the control instead of leading out to the host.
    bool Wraps() const { return m_bWrap; }
    CZelWalkStops WrappingInside() const
    {
        CZelWalkStops stops = *this;
        stops.m_bWrap = true;
        return stops;
    }

private:
    UINT m_ids[kMaxStops] = {};
    int m_nCount = 0;
    bool m_bWrap = false;
};

// Where a key leads from the stop nAt (0: the walk stands on none) of the
// dialog hDlg: the stop's window next in the walk, hPrev or hNext past an end
// that leads out, or null to stay. A stop that is hidden or greyed is passed
// over. From no stop, forward leads to the first stop and back nowhere.
HWND ZelWalkTarget(HWND hDlg, const CZelWalkStops& stops, UINT nAt, bool bBack, HWND hPrev, HWND hNext);
