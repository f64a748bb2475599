// Any bytes as era.dat: the reader appends exactly the records the model of
// the format reads, returns 1 and leaves the file untouched.
#include "fuzz_check.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ZelFuzzEnterScratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriteBytes("data/era.dat", bytes);

    // A record already in the table stays first: the reader only appends.
    CArray<CZelEra, CZelEra&> arr;
    CZelEra kept;
    kept.SetEraInfo(0, "既存", 1500, 1600);
    arr.Add(kept);

    const int nResult = CZelCalCtrlCom().ReadEraInfo(arr);
    ZEL_FUZZ_CHECK(nResult == 1, "result " + std::to_string(nResult) + " for " + ZelFuzzQuote(bytes));
    const std::vector<ZelModelEra> expected = ZelModelReadEraText(bytes);
    const std::vector<ZelModelEra> got = ZelFuzzRowsOf(arr, 1);
    ZEL_FUZZ_CHECK(got == expected, "text " + ZelFuzzQuote(bytes) + "\n  read     " + ZelFuzzDescribe(got) +
                                        "\n  expected " + ZelFuzzDescribe(expected));
    ZEL_FUZZ_CHECK((ZelFuzzRowsOf(arr, 0).front() == ZelModelEra{0, "既存", 1500, 1600}), "first record changed");
    ZEL_FUZZ_CHECK(std::filesystem::is_regular_file("data/era.dat") && ReadBytes("data/era.dat") == bytes,
                   "a readable file was rewritten");
    return 0;
}
