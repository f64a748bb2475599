// Random era tables through WriteFile and ReadEraInfo: the file holds the
// format's lines alone and reads back as the model reads it.
#include "fuzz_check.h"
#include "scratch_dir.h"

#include <string>
#include <vector>

namespace {

const char kEraFile[] = "data/era.dat";

// A known name, or any bytes (the era record keeps them up to a zero byte).
std::string EraName(FuzzedDataProvider& fdp)
{
    static const char* const kNames[] = {"西暦", "平成", "昭和", "大正", "明治", "  令和", "表ソ", ""};
    return fdp.ConsumeBool() ? kNames[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)]
                             : fdp.ConsumeRandomLengthString(20).c_str();
}

// The data folder holds era.dat and nothing else; returns its bytes.
std::string OnlyTheEraFile(const std::string& what)
{
    std::string listing;
    for (const auto& entry : std::filesystem::directory_iterator("data"))
        listing += " " + entry.path().filename().string();
    ZEL_FUZZ_CHECK(listing == " era.dat", "data folder holds" + listing + " after a write of " + what);
    return ReadBytes(kEraFile);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZelFuzzEnterScratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    CArray<CZelEra, CZelEra&> table;
    std::vector<ZelModelEra> expected;
    for (int i = fdp.ConsumeIntegralInRange(0, 12); i > 0; --i) {
        const int nDiv = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(0, 1) : ZelFuzzInt(fdp);
        const std::string strName = EraName(fdp);
        const int nStart = ZelFuzzInt(fdp), nEnd = ZelFuzzInt(fdp);
        CZelEra era;
        era.SetEraInfo(nDiv, strName.c_str(), nStart, nEnd);
        table.Add(era);
        expected.push_back({nDiv, strName, ZelModelYearAsRead(nStart), ZelModelYearAsRead(nEnd)});
    }
    const std::string what = "table " + ZelFuzzDescribe(expected);

    // The file of the run before is replaced, never added to.
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().WriteFile(table) == 1, "WriteFile failed for " + what);
    const std::string written = OnlyTheEraFile(what);
    ZEL_FUZZ_CHECK(written == ZelModelWriteEraText(expected), what + "\n  written " + ZelFuzzQuote(written));

    CArray<CZelEra, CZelEra&> readBack;
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().ReadEraInfo(readBack) == 1, "ReadEraInfo fell back for " + what);
    const std::vector<ZelModelEra> got = ZelFuzzRowsOf(readBack);
    ZEL_FUZZ_CHECK(got == ZelModelReadEraText(written), what + "\n  read " + ZelFuzzDescribe(got));
    ZEL_FUZZ_CHECK(ReadBytes(kEraFile) == written, "reading changed era.dat for " + what);
    // A table whose names hold no comma and no CR comes back as it was.
    for (const ZelModelEra& era : expected) {
        if (era.strName.find_first_of(",\r") != std::string::npos)
            return 0;
    }

    ZEL_FUZZ_CHECK(got == expected, what + "\n  read " + ZelFuzzDescribe(got));
    ZEL_FUZZ_CHECK(CZelCalCtrlCom().WriteFile(readBack) == 1, "second WriteFile failed for " + what);
    ZEL_FUZZ_CHECK(OnlyTheEraFile(what) == written, "second write differs for " + what);
    return 0;
}
