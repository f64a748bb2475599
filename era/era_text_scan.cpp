#include "era_text_scan.h"

void ZelScanEraText(const char* pText, const std::function<void(const ZelEraFields&)>& onRecord)
{
    if (!pText)
        return;
    ZelEraFields fields{};
    CString* const targets[] = {&fields.strFirstYear, &fields.strLastYear, &fields.strEraname, &fields.strDiv};
    int nState = 0;
    fields.nBegin = 0;
    for (const char* p = pText; *p; ++p) {
        const char c = *p;
        if (nState < 3 && c == ',') {
            ++nState;
        } else if (nState == 3 && c == '\r') {
            fields.nEnd = static_cast<std::size_t>(p - pText);
            onRecord(fields);
            for (CString* target : targets)
                target->Empty();
            nState = 0;
            // The byte after CR (the LF) is skipped unread, unless the text
            // ends there.
            if (p[1] == '\0')
                return;
            ++p;
            fields.nBegin = static_cast<std::size_t>(p + 1 - pText);
        } else {
            *targets[nState] += c;
        }
    }
}
