// The whole pipeline on large generated extracts: load, checks, conversion
// and writing the import file, with window operations and registry that do
// nothing.
//   bench_pipeline [benchmark options]   Google Benchmark runs of the cases below
//   bench_pipeline --once EXTRACT        one run on a file, with the time of each step
//                                        (for peak memory: /usr/bin/time -v)
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

struct TStepTimes {
    double load = 0, checks = 0, convert = 0, save = 0;
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
    merge.LoadInputLines();
    const auto t1 = Clock::now();
    times.rssLoad = ResidentMegabytes();
    merge.CheckFormSegment();
    merge.CheckKeySegment();
    const auto t2 = Clock::now();
    merge.ConvertDataSegment();
    const auto t3 = Clock::now();
    times.rssConvert = ResidentMegabytes();
    merge.SaveImportFile();
    const auto t4 = Clock::now();
    times.rssSave = ResidentMegabytes();
    times.load = Seconds(t0, t1);
    times.checks = Seconds(t1, t2);
    times.convert = Seconds(t2, t3);
    times.save = Seconds(t3, t4);
    times.records = merge.Output().size();
    return times;
}

std::uintmax_t FileSize(const std::string& name) {
    return std::filesystem::file_size(name);
}

int RunOnce(const std::string& extract) {
    try {
        const auto start = Clock::now();
        const TStepTimes t = RunPipeline(extract);
        const double total = Seconds(start, Clock::now());
        const double mb = static_cast<double>(FileSize(extract)) / 1e6;
        std::printf("%s: %.1f MB, %zu records\n", extract.c_str(), mb, t.records);
        std::printf("  load %.3f s, checks %.3f s, conversion %.3f s, save %.3f s\n", t.load,
                    t.checks, t.convert, t.save);
        std::printf("  total %.3f s, %.1f MB/s\n", total, mb / total);
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
        sum.load += t.load;
        sum.checks += t.checks;
        sum.convert += t.convert;
        sum.save += t.save;
        benchmark::DoNotOptimize(t.records);
    }
    const double n = static_cast<double>(state.iterations());
    state.SetBytesProcessed(size * state.iterations());
    state.SetLabel(std::string(c.form) + ", " + std::to_string(c.records) + " records, " +
                   std::to_string(size / 1000000) + " MB");
    state.counters["load_ms"] = sum.load * 1e3 / n;
    state.counters["convert_ms"] = sum.convert * 1e3 / n;
    state.counters["save_ms"] = sum.save * 1e3 / n;
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
