// The control that a window of one of the library's window classes owns,
// seen through the operations of the message face. One implementation per
// control class, each a thin call of the class's own interface.
#pragma once

#include <memory>

#include "ZelCalCtrlC.h"
#include "controls/zel_date_frame.h"

namespace zelcal {

class ClassControl {
public:
    virtual ~ClassControl() = default;

    virtual CZelDateFrame& Frame() = 0;
    // GetChoiceData into the value; fields the class has no use for are 0.
    virtual void Read(ZELCALVALUE& value) = 0;
    // SetChoiceData from the value; false, and nothing done, for a value out
    // of the class's ranges.
    virtual bool Write(const ZELCALVALUE& value) = 0;
    virtual void UseControl(int bEnable) = 0;
    virtual void SetFocusCalCtrl(int bFirst) = 0;
    // ZCR_UNSUPPORTED where the class has no such operation.
    virtual LRESULT CancelBkColor() = 0;
    virtual LRESULT ChkDate() = 0;
    virtual LRESULT CheckDate(int bFocus) = 0;
};

// The window classes, numbered 0 to kClassCount - 1.
inline constexpr int kClassCount = 8;
// The name of class nClass, null outside the range.
const wchar_t* ClassName(int nClass);
// Index of a class name (case as Windows compares it), -1 if not one of ours.
int ClassIndex(const wchar_t* pszName);
// The control object of class nClass, not yet created as a window.
std::unique_ptr<ClassControl> MakeClassControl(int nClass, CWnd* pParent);

}  // namespace zelcal
