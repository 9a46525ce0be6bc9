// The whole pipeline on large generated extracts: load, checks, conversion
// and writing the import file, with window operations and registry that do
// nothing.
//   bench_pipeline [benchmark options]   Google Benchmark runs of the cases below
//   bench_pipeline --once EXTRACT        one run on a file: wall and processor time, and
//                                        first-touch page faults, of each step (for peak
//                                        memory: /usr/bin/time -v)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/schema.h"
#include "core/services.h"
#include "extract_gen.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

#ifdef QS_HAVE_BENCHMARK
#include <benchmark/benchmark.h>
#endif

namespace {

class TQuietOps final : public qs::IWindowOps {
  public:
    int ArgumentCount() override { return 0; }
    std::string FirstArgument() override { return {}; }
    std::string ProgramFileName() override { return "bench_pipeline"; }
    bool FileExists(const std::string&) override { return true; }
    void WarningBox(const std::string&, const std::string&) override {}
    std::optional<std::string> OpenFileChoice() override { return std::nullopt; }
    void Beep() override {}
    bool YesNoQuestion(const std::string&, const std::string&) override { return true; }
    void InformationBox(const std::string&, const std::string&) override {}
    void ErrorBox(const std::string&) override {}
    void EndProgram() override {}
    void SetBusyCursor(bool) override {}
    std::string MainWindowCaption() override { return {}; }
};

class TNullRegistry final : public qs::IRegistry {
  public:
    void WriteTextDirectory(const std::string&) override {}
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Processor time (user and system) and page faults of the process so far.
struct TUsage {
    double cpu = 0;
    long faults = 0;
};

TUsage Usage() {
    TUsage usage;
#ifndef _WIN32
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    usage.cpu = static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
                static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    usage.faults = r.ru_minflt + r.ru_majflt;
#endif
    return usage;
}

// One pipeline step: wall time, processor time, page faults.
struct TStep {
    double wall = 0, cpu = 0;
    long faults = 0;
};

TStep Between(Clock::time_point t0, const TUsage& u0, Clock::time_point t1, const TUsage& u1) {
    return {Seconds(t0, t1), u1.cpu - u0.cpu, u1.faults - u0.faults};
}

struct TStepTimes {
    TStep load, checks, convert, save;
    std::size_t records = 0;
    // resident memory in MB after load, conversion and save (0 where unknown)
    double rssLoad = 0, rssConvert = 0, rssSave = 0;
};

// The process's resident memory in MB, from /proc (0 elsewhere).
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            std::size_t kb = 0;
            for (char c : line) {
                if (c >= '0' && c <= '9')
                    kb = kb * 10 + static_cast<std::size_t>(c - '0');
            }
            return static_cast<double>(kb) / 1024.0;
        }
    }
    return 0;
}

// One run of the unattended pipeline on the extract.
TStepTimes RunPipeline(const std::string& extract) {
    TQuietOps ops;
    TNullRegistry registry;
    const qs::FixedClock clock(qs::TDate{2018, 1, 15});
    qs::TDataMerge merge(ops, registry, clock);
    TStepTimes times;
    merge.SetExtractFileName(extract);
    const auto t0 = Clock::now();
    const TUsage u0 = Usage();
    merge.LoadInputLines();
    const auto t1 = Clock::now();
    const TUsage u1 = Usage();
    times.rssLoad = ResidentMegabytes();
    merge.CheckFormSegment();
    merge.CheckKeySegment();
    const auto t2 = Clock::now();
    const TUsage u2 = Usage();
    merge.ConvertDataSegment();
    const auto t3 = Clock::now();
    const TUsage u3 = Usage();
    times.rssConvert = ResidentMegabytes();
    merge.SaveImportFile();
    const auto t4 = Clock::now();
    const TUsage u4 = Usage();
    times.rssSave = ResidentMegabytes();
    times.load = Between(t0, u0, t1, u1);
    times.checks = Between(t1, u1, t2, u2);
    times.convert = Between(t2, u2, t3, u3);
    times.save = Between(t3, u3, t4, u4);
    times.records = merge.Output().size();
    return times;
}

std::uintmax_t FileSize(const std::string& name) {
    return std::filesystem::file_size(name);
}

void PrintStep(const char* name, const TStep& step) {
    std::printf("  %-10s wall %6.3f s  cpu %6.3f s  page faults %7ld (%4.0f MB)\n", name, step.wall,
                step.cpu, step.faults, static_cast<double>(step.faults) * 4096 / 1e6);
}

int RunOnce(const std::string& extract) {
    try {
        const auto start = Clock::now();
        const TUsage before = Usage();
        const TStepTimes t = RunPipeline(extract);
        const TStep total = Between(start, before, Clock::now(), Usage());
        const double mb = static_cast<double>(FileSize(extract)) / 1e6;
        std::printf("%s: %.1f MB, %zu records\n", extract.c_str(), mb, t.records);
        PrintStep("load", t.load);
        PrintStep("checks", t.checks);
        PrintStep("conversion", t.convert);
        PrintStep("save", t.save);
        PrintStep("total", total);
        std::printf("  %.1f MB/s wall, %.1f MB/s cpu\n", mb / total.wall, mb / total.cpu);
        std::printf("  resident after load %.0f MB, after conversion %.0f MB, after save %.0f MB\n",
                    t.rssLoad, t.rssConvert, t.rssSave);
        return 0;
    } catch (const qs::EMergeError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

#ifdef QS_HAVE_BENCHMARK

// The benchmark cases: form, records, supplied fields.
struct TCase {
    const char* form;
    long records;
    const char* fields;
};
constexpr TCase kCases[] = {
    {"W-2", 100000, "all"},                             // 63 fields: 6.3 million lines
    {"1099-MISC", 600000, "0,2,4,5,6,10,11,18,21,24"},  // 10 fields: 6 million lines
};

class TExtractFolder {
  public:
    TExtractFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("qs-bench-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(path_);
    }
    ~TExtractFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

TExtractFolder& Folder() {
    static TExtractFolder folder;
    return folder;
}

// The extract of a case, generated once.
std::string ExtractFile(const TCase& c) {
    std::string name = std::string(c.form) + "_" + std::to_string(c.records) + ".txt";
    const std::string path = Folder().File(name);
    if (!std::filesystem::exists(path)) {
        const int index = qs::FindCatalogIndex(c.form);
        const auto positions = qs::bench::ParseFieldChoice(c.fields, qs::CatalogFieldCount(index));
        const std::string text = qs::bench::GenerateExtract(c.form, c.records, positions);
        std::ofstream(path, std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    return path;
}

void BM_Pipeline(benchmark::State& state) {
    const TCase& c = kCases[state.range(0)];
    const std::string extract = ExtractFile(c);
    const auto size = static_cast<std::int64_t>(FileSize(extract));
    TStepTimes sum;
    for (auto _ : state) {
        const TStepTimes t = RunPipeline(extract);
        sum.load.wall += t.load.wall;
        sum.convert.wall += t.convert.wall;
        sum.save.wall += t.save.wall;
        benchmark::DoNotOptimize(t.records);
    }
    const double n = static_cast<double>(state.iterations());
    state.SetBytesProcessed(size * state.iterations());
    state.SetLabel(std::string(c.form) + ", " + std::to_string(c.records) + " records, " +
                   std::to_string(size / 1000000) + " MB");
    state.counters["load_ms"] = sum.load.wall * 1e3 / n;
    state.counters["convert_ms"] = sum.convert.wall * 1e3 / n;
    state.counters["save_ms"] = sum.save.wall * 1e3 / n;
}
BENCHMARK(BM_Pipeline)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--once")
        return RunOnce(argv[2]);
#ifdef QS_HAVE_BENCHMARK
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 64;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
#else
    std::fprintf(stderr, "usage: %s --once EXTRACT (Google Benchmark not found)\n", argv[0]);
    return 64;
#endif
}
