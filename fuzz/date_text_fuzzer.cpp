// The date-text parser and the whole-date test against the reading of
// date_text_model.h, over the built-in era table and over random tables
// (names that begin other names, repeated names, any years), with texts
// composed as the controls compose them and with any bytes.
#include "date_text_model.h"
#include "era/date_text_parser.h"
#include "era_table_rows.h"
#include "fuzz_check.h"
#include "fuzz_int_source.h"

#include <string>
#include <vector>

namespace {

const char* const kNames[] = {"西暦", "平成", "昭和", "大正", "明治", "平", "平成平成", "表", "1", ""};

void AddEra(CArray<CZelEra, CZelEra&>& table, int nDiv, const std::string& strName, int nStart, int nEnd)
{
    CZelEra era;
    era.SetEraInfo(nDiv, strName.c_str(), nStart, nEnd);
    table.Add(era);
}

void MakeTable(FuzzedDataProvider& fdp, CArray<CZelEra, CZelEra&>& table)
{
    if (fdp.ConsumeBool()) {
        AddEra(table, 1, "西暦", 0, 0);
        AddEra(table, 0, "平成", 1989, 0);
        AddEra(table, 0, "昭和", 1926, 1988);
        AddEra(table, 0, "大正", 1912, 1925);
        AddEra(table, 0, "明治", 1868, 1911);
        return;
    }
    const int nRecords = fdp.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < nRecords; ++i) {
        const int nDiv = fdp.ConsumeIntegralInRange(0, 3) == 0 ? 1 : 0;
        const std::string strName = kNames[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
        const int nStart = ZelFuzzInt(fdp);
        AddEra(table, nDiv, strName, nStart, ZelFuzzInt(fdp));
    }
}

// A number as a field may hold it: leading zeros, a sign, spaces, or bytes.
std::string NumberText(FuzzedDataProvider& fdp)
{
    switch (fdp.ConsumeIntegralInRange(0, 4)) {
    case 0: return std::to_string(ZelFuzzInt(fdp));
    case 1: return std::string(fdp.ConsumeIntegralInRange(0, 3), '0') + std::to_string(fdp.ConsumeIntegralInRange(0, 9999));
    case 2: return std::to_string(fdp.ConsumeIntegralInRange(0, 99));
    case 3: return (fdp.ConsumeBool() ? " " : "+") + std::to_string(fdp.ConsumeIntegralInRange(0, 99));
    default: return fdp.ConsumeRandomLengthString(6).c_str();
    }
}

std::string EraText(FuzzedDataProvider& fdp)
{
    return fdp.ConsumeIntegralInRange(0, 7) == 0 ? fdp.ConsumeRandomLengthString(6).c_str()
                                                 : kNames[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
}

void CheckParse(const std::string& text, CArray<CZelEra, CZelEra&>& table, const std::vector<ZelModelEra>& eras)
{
    const COleDateTime before(2001, 2, 3, 4, 5, 6);
    COleDateTime dt = before;
    ZelModelDate expected{};
    const bool bExpected = ZelModelParseDateText(text, eras, expected);
    const BOOL bRead = ZelParseDateText(text.c_str(), table, dt);
    const std::string what = "text " + ZelFuzzQuote(text) + " table " + ZelModelDescribe(eras);
    ZEL_FUZZ_CHECK((bRead != FALSE) == bExpected, what + (bRead ? " read" : " refused"));
    if (bExpected) {
        ZEL_FUZZ_CHECK(dt.GetYear() == expected.nYear && dt.GetMonth() == expected.nMonth &&
                           dt.GetDay() == expected.nDay && dt.GetHour() == 0 && dt.GetMinute() == 0,
                       what + " read as " + std::to_string(dt.GetYear()) + "/" + std::to_string(dt.GetMonth()) +
                           "/" + std::to_string(dt.GetDay()));
    } else {
        ZEL_FUZZ_CHECK(dt == before, what + " changed the date");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    CArray<CZelEra, CZelEra&> table;
    MakeTable(fdp, table);
    const std::vector<ZelModelEra> eras = ZelFuzzRowsOf(table);

    for (int nStep = 0; nStep < 16 && fdp.remaining_bytes() > 0; ++nStep) {
        const std::string strEra = EraText(fdp);
        const std::string strYear = NumberText(fdp), strMonth = NumberText(fdp), strDay = NumberText(fdp);
        switch (fdp.ConsumeIntegralInRange(0, 2)) {
        case 0:
            CheckParse((strEra == "西暦" ? "" : strEra) + strYear + "/" + strMonth + "/" + strDay, table, eras);
            break;
        case 1:
            CheckParse(fdp.ConsumeRandomLengthString(24).c_str(), table, eras);
            break;
        default: {
            const ZelDateFault fault = ZelTestDateTexts(strEra.c_str(), strYear.c_str(), strMonth.c_str(),
                                                        strDay.c_str(), table);
            const ZelModelDateFault expected = ZelModelTestDateTexts(strEra, strYear, strMonth, strDay, eras);
            ZEL_FUZZ_CHECK(static_cast<int>(fault) == static_cast<int>(expected),
                           "ZelTestDateTexts " + ZelFuzzQuote(strEra) + " " + ZelFuzzQuote(strYear) + " " +
                               ZelFuzzQuote(strMonth) + " " + ZelFuzzQuote(strDay) + " gave " +
                               std::to_string(fault) + " table " + ZelModelDescribe(eras));
            break;
        }
        }
    }
    return 0;
}
