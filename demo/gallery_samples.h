// One row of the gallery: a control of the library with its label, how to
// give it the sample values and how to word what it holds.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ZelCalCtrl.h"

class GallerySample {
public:
    virtual ~GallerySample() = default;
    virtual const char* Label() const = 0;
    virtual CZelDateFrame& Control() = 0;
    virtual void SetWesternSample() = 0;
    virtual void SetEraSample() = 0;
    // What GetChoiceData gives, in words for the log.
    virtual CString Read() = 0;
    virtual void SetNeighbours(CWnd* pPrev, CWnd* pNext) = 0;
};

std::vector<std::unique_ptr<GallerySample>> MakeGallerySamples(CWnd* pParent);

// "平成14/04/07" or "2002/04/07": how a host would show a date it read.
CString GalleryDateText(int nDiv, int nYear, int nMonth, int nDay);
