// The era table that "zelera add 令和 2019" makes, against ICU's Japanese
// calendar: on 31 December of every year from 1868 to 9999, FromEra gives the
// era and era year that ICU gives. (On 31 December every era of the table has
// begun, so the year-based table and ICU's day-based eras agree.)
#include "../core/scratch_dir.h"
#include "era/era_core.h"
#include "zelera_commands.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <filesystem>
#include <memory>
#include <string>

using ReiwaIcuTest = ScratchDirTest;

TEST_F(ReiwaIcuTest, FromEraAgreesWithIcuOnTheLastDayOfEveryYear)
{
    std::filesystem::create_directory("data");
    std::vector<ZelToolArg> args = {{"add", true, "add"}, {"令和", true, "令和"}, {"2019", true, "2019"}};
    std::string out, err;
    ASSERT_EQ(RunZelera(args, out, err), 0) << err;

    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString("Gy"), icu::Locale("ja_JP@calendar=japanese"), status);
    icu::GregorianCalendar gregorian(icu::TimeZone::createTimeZone("GMT"), status);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    format.adoptTimeZone(icu::TimeZone::createTimeZone("GMT"));

    CZelCalCtrlUtil util;
    int nSame = 0;
    for (int nYear = 1868; nYear <= 9999; ++nYear) {
        gregorian.clear();
        gregorian.set(nYear, UCAL_DECEMBER, 31, 12, 0, 0);
        const UDate date = gregorian.getTime(status);
        icu::UnicodeString icuText;
        format.format(date, icuText);
        std::string icuUtf8;
        icuText.toUTF8String(icuUtf8);

        // "令和1/12/31": the era and era year before the first '/'.
        const std::string ours(static_cast<LPCSTR>(util.FromEra(0, nYear, 12, 31)));
        std::string oursUtf8;
        icu::UnicodeString(ours.substr(0, ours.find('/')).c_str(), "windows-31j").toUTF8String(oursUtf8);
        if (oursUtf8 == icuUtf8)
            ++nSame;
        else
            ADD_FAILURE() << nYear << ": ours " << oursUtf8 << ", ICU " << icuUtf8;
        if (nYear - 1868 + 1 - nSame > 5)
            break;  // enough to see what is wrong
    }
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    EXPECT_EQ(nSame, 9999 - 1868 + 1);
}
