// Era display strings against ICU's Japanese calendar: CZelCalCtrlUtil::FromEra
// (table loaded once), CEraDate::Format (looks at era.dat on every call) and
// icu::SimpleDateFormat "Gy/MM/dd" with locale ja_JP@calendar=japanese, over
// the same spread of dates. The three run interleaved in random order, several
// times; the medians of CPU time per call are compared, so that other work on
// the machine weighs on all three alike.
#include "era/era_core.h"
#include "era/era_file_path.h"

#include <benchmark/benchmark.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

using namespace std::chrono;

struct BenchDate
{
    int nYear;
    int nMonth;
    int nDay;
    UDate udate;  // ms since 1970, midnight GMT
};

// Every 29th day from 1 January 1868 to the end of 2030.
const std::vector<BenchDate>& Dates()
{
    static const std::vector<BenchDate> dates = [] {
        std::vector<BenchDate> v;
        const sys_days last{year{2030} / December / 31};
        for (sys_days d{year{1868} / January / 1}; d <= last; d += days{29}) {
            const year_month_day ymd{d};
            v.push_back({static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                         static_cast<int>(static_cast<unsigned>(ymd.day())),
                         static_cast<UDate>(d.time_since_epoch().count()) * 86400000.0});
        }
        return v;
    }();
    return dates;
}

std::unique_ptr<icu::SimpleDateFormat> MakeIcuFormat()
{
    UErrorCode status = U_ZERO_ERROR;
    auto fmt = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString("Gy/MM/dd"),
                                                       icu::Locale("ja_JP@calendar=japanese"), status);
    if (U_FAILURE(status))
        return nullptr;
    fmt->adoptTimeZone(icu::TimeZone::createTimeZone("GMT"));
    return fmt;
}

std::string ShiftJisToUtf8(const CString& s)
{
    const icu::UnicodeString u(static_cast<LPCSTR>(s), "windows-31j");
    std::string out;
    u.toUTF8String(out);
    return out;
}

void BM_FromEra(benchmark::State& state)
{
    CZelCalCtrlUtil util;
    const auto& dates = Dates();
    std::size_t i = 0;
    for (auto _ : state) {
        const BenchDate& d = dates[i];
        i = i + 1 == dates.size() ? 0 : i + 1;
        CString text = util.FromEra(0, d.nYear, d.nMonth, d.nDay);
        benchmark::DoNotOptimize(text);
    }
}

void BM_EraDateFormat(benchmark::State& state)
{
    std::vector<CEraDate> eraDates;
    for (const BenchDate& d : Dates())
        eraDates.emplace_back(0, COleDateTime(d.nYear, d.nMonth, d.nDay, 0, 0, 0));
    std::size_t i = 0;
    for (auto _ : state) {
        CString text = eraDates[i].Format();
        i = i + 1 == eraDates.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(text);
    }
}

// The least a call that must see a changed file can do: look at the file's
// directory entry once.
void BM_EraFileLook(benchmark::State& state)
{
    for (auto _ : state) {
        CFileFind find;
        benchmark::DoNotOptimize(find.FindFile(kZelEraFilePath));
    }
}

// The system call under that look, with nothing of ours around it.
void BM_StatCall(benchmark::State& state)
{
    struct stat st;
    for (auto _ : state)
        benchmark::DoNotOptimize(::stat("data/era.dat", &st));
}

void BM_IcuFormat(benchmark::State& state)
{
    const auto fmt = MakeIcuFormat();
    if (!fmt) {
        state.SkipWithError("ICU date format not available");
        return;
    }
    const auto& dates = Dates();
    std::size_t i = 0;
    for (auto _ : state) {
        icu::UnicodeString text;
        fmt->format(dates[i].udate, text);
        i = i + 1 == dates.size() ? 0 : i + 1;
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_FromEra)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_EraDateFormat)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_EraFileLook)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_StatCall)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_IcuFormat)->Unit(benchmark::kNanosecond);

// Keeps the console output and remembers the median CPU time per call of
// each benchmark.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
                m_nsPerCall[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double NsPerCall(const std::string& name) const
    {
        const auto it = m_nsPerCall.find(name);
        return it == m_nsPerCall.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_nsPerCall;
};

// How often both texts agree. They differ where the era changes inside a
// Western year (ICU switches on the day, FromEra by the year alone) and from
// 1 May 2019 (令和 is not in the default table).
void CompareWithIcu()
{
    const auto fmt = MakeIcuFormat();
    if (!fmt)
        return;
    CZelCalCtrlUtil util;
    int nSame = 0;
    std::string example;
    for (const BenchDate& d : Dates()) {
        icu::UnicodeString icuText;
        fmt->format(d.udate, icuText);
        std::string icuUtf8;
        icuText.toUTF8String(icuUtf8);
        const std::string ours = ShiftJisToUtf8(util.FromEra(0, d.nYear, d.nMonth, d.nDay));
        if (ours == icuUtf8)
            ++nSame;
        else if (example.empty())
            example = ours + " / ICU " + icuUtf8;
    }
    std::printf("Same text as ICU for %d of %zu dates (first difference: %s)\n", nSame, Dates().size(),
                example.c_str());
}

// The benchmark's own current directory, with the default era.dat in it.
class ScratchDirectory
{
public:
    ScratchDirectory() : m_previous(std::filesystem::current_path())
    {
        std::random_device rd;
        do {
            m_dir = std::filesystem::temp_directory_path() / ("zel_era_bench_" + std::to_string(rd()));
        } while (!std::filesystem::create_directory(m_dir));
        std::filesystem::current_path(m_dir);
        std::filesystem::create_directory("data");
        CArray<CZelEra, CZelEra&> table;
        CZelCalCtrlCom com;
        com.ReadEraInfo(table);  // writes the default file
        // A file just written is read afresh on every call until it has
        // settled; the benchmark measures the file as a host finds it.
        std::this_thread::sleep_for(std::chrono::seconds(3));
    }
    ~ScratchDirectory()
    {
        std::error_code ec;
        std::filesystem::current_path(m_previous, ec);
        std::filesystem::remove_all(m_dir, ec);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};

}  // namespace

int main(int argc, char** argv)
{
    // Repeated and interleaved unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char minTime[] = "--benchmark_min_time=0.1";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions, interleave, minTime, aggregates});
    int nArgs = static_cast<int>(args.size());
    benchmark::Initialize(&nArgs, args.data());
    if (benchmark::ReportUnrecognizedArguments(nArgs, args.data()))
        return 1;
    ScratchDirectory scratch;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double fromEra = reporter.NsPerCall("BM_FromEra");
    const double format = reporter.NsPerCall("BM_EraDateFormat");
    const double icu = reporter.NsPerCall("BM_IcuFormat");
    const double look = reporter.NsPerCall("BM_EraFileLook");
    const double statCall = reporter.NsPerCall("BM_StatCall");
    std::printf("\nDates: %zu, 1868-01-01 to 2030-12-31 in steps of 29 days; medians of CPU time\n",
                Dates().size());
    std::printf("%-48s %10.1f ns/call\n", "CZelCalCtrlUtil::FromEra(0, y, m, d)", fromEra);
    std::printf("%-48s %10.1f ns/call\n", "CEraDate::Format (era.dat unchanged)", format);
    std::printf("%-48s %10.1f ns/call\n", "ICU SimpleDateFormat Gy/MM/dd (japanese)", icu);
    std::printf("%-48s %10.1f ns/call\n", "one look at era.dat's directory entry", look);
    std::printf("%-48s %10.1f ns/call\n", "the stat() system call alone", statCall);
    if (fromEra > 0.0 && format > 0.0 && icu > 0.0) {
        std::printf("ICU / FromEra: %.1f times (goal 20 or more)\n", icu / fromEra);
        std::printf("CEraDate::Format / ICU: %.2f (goal 1.00 or less)\n", format / icu);
        std::printf("CEraDate::Format / (one look + FromEra): %.2f\n", format / (look + fromEra));
        std::printf("CEraDate::Format / (stat() + FromEra): %.2f\n", format / (statCall + fromEra));
        std::printf("stat() / ICU: %.2f\n", statCall / icu);
    }
    CompareWithIcu();
    return 0;
}
