// Shift_JIS (code page 932) byte classes, shared by the framework sources.
#pragma once

namespace zelafx_detail {

// Lead bytes take the byte after them as the second half of one character.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace zelafx_detail
