#include "controls/zel_alive_watch.h"

namespace {
// The innermost watch of this thread.
thread_local CZelAliveWatch* t_pInnermost = nullptr;
}

CZelAliveWatch::CZelAliveWatch(const CWnd* pWnd)
    : m_pWnd(pWnd), m_bHadWindow(pWnd->m_hWnd != nullptr), m_pOuter(t_pInnermost)
{
    t_pInnermost = this;
}

CZelAliveWatch::~CZelAliveWatch() { t_pInnermost = m_pOuter; }

void CZelAliveWatch::Gone(const CWnd* pWnd)
{
    for (CZelAliveWatch* p = t_pInnermost; p != nullptr; p = p->m_pOuter) {
        if (p->m_pWnd == pWnd)
            p->m_bGone = true;
    }
}

bool CZelAliveWatch::Alive(const CWnd* pWnd)
{
    // The innermost watch on the address decides: a new object made at the
    // address of a deleted one is watched further in than the old one's code.
    for (const CZelAliveWatch* p = t_pInnermost; p != nullptr; p = p->m_pOuter) {
        if (p->m_pWnd == pWnd)
            return !p->m_bGone && (pWnd->m_hWnd != nullptr || !p->m_bHadWindow);
    }
    return pWnd->m_hWnd != nullptr;
}
