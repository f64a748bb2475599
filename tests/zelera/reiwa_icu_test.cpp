// "zelera add 令和 2019" where there was no file: on 31 December of every year
// 1868..9999 FromEra gives the era and era year that ICU's Japanese calendar gives.
#include "../core/scratch_dir.h"
#include "era/era_core.h"
#include "zelera_commands.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>

using ReiwaIcuTest = ScratchDirTest;

TEST_F(ReiwaIcuTest, FromEraAgreesWithIcuOnTheLastDayOfEveryYear)
{
    std::filesystem::create_directory("data");
    std::string out, err;
    ASSERT_EQ(RunZelera({{"add", true, "add"}, {"令和", true, "令和"}, {"2019", true, "2019"}}, out, err), 0) << err;
    EXPECT_FALSE(std::filesystem::exists("data/era.dat.bak")) << "added to no file: nothing to keep";

    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("Gy"), icu::Locale("ja_JP@calendar=japanese"), status);
    icu::GregorianCalendar gregorian(icu::TimeZone::createTimeZone("GMT"), status);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    format.adoptTimeZone(icu::TimeZone::createTimeZone("GMT"));

    CZelCalCtrlUtil util;
    for (int nYear = 1868; nYear <= 9999; ++nYear) {
        gregorian.clear();
        gregorian.set(nYear, UCAL_DECEMBER, 31, 12, 0, 0);
        icu::UnicodeString icuText;
        format.format(gregorian.getTime(status), icuText);
        std::string icuUtf8, oursUtf8;
        icuText.toUTF8String(icuUtf8);
        // "令和1/12/31": the era and era year before the first '/'.
        const std::string ours(static_cast<LPCSTR>(util.FromEra(0, nYear, 12, 31)));
        icu::UnicodeString(ours.substr(0, ours.find('/')).c_str(), "windows-31j").toUTF8String(oursUtf8);
        ASSERT_EQ(oursUtf8, icuUtf8) << nYear;
    }
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
}
