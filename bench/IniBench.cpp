// A keyword list of 100,000 items saved and loaded through the settings
// component on real files, against the physical limit: writing the same
// bytes with a flush and reading them back in one go with plain file calls.
//
// Each round measures all three, one after the other, so that they meet the
// same state of the disk; a line gives the medians over the rounds. The
// first line keeps freed memory in the process, as a heap that has run a
// while does; the second takes fresh pages from the system for every large
// block, which costs each side its first touch of them (2 us a page on some
// virtual machines).
#include "bench/Summary.h"
#include "components/IniGT/IniGT.h"
#include "framework/Strings.h"
#include "platform/fake/FakePlatform.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kItems = 100000;
constexpr const char* kSection = "LIST";
constexpr const char* kName = "HOPMARK_LIST";

// Milliseconds on the monotonic clock (<chrono> cannot be built for this code page).
double NowMs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "hopmark-bench.XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Keywords of 12 bytes of Shift-JIS: five kana or kanji, some with the trail
// byte 0x5C, and two digits; all different.
TStringList Keywords() {
    static const char* const kChars[] = {"\x82\xA0", "\x82\xA2", "\x83\x4C", "\x83\x5C", "\x95\x5C",
                                         "\x93\x8C", "\x8B\x9E", "\x8C\xF7", "\x97\x5C", "\x94\x5C"};
    TStringList list;
    list.Reserve(kItems);
    for (int i = 0; i < kItems; ++i) {
        std::string s;
        for (int k = 0, n = i; k < 5; ++k, n /= 10) s += kChars[n % 10];
        s += static_cast<char>('0' + i / 100000 % 10);
        s += static_cast<char>('0' + i / 10 % 10);
        list.Add(std::move(s));
    }
    return list;
}

std::unique_ptr<DOveVA> BoundTo(const std::string& path) {
    auto ini = std::make_unique<DOveVA>(nullptr);
    ini->SetDefaultDir(ddNone);
    ini->SetFileName(path);
    return ini;
}

// The plain calls: the file's bytes written and flushed, then read whole.
bool WriteAndReadBack(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
              ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    fd = ::open(path.c_str(), O_RDONLY);
    struct stat info {};
    ok = ok && fd >= 0 && ::fstat(fd, &info) == 0;
    auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(info.st_size));
    ok = ok && ::read(fd, buffer.get(), info.st_size) == info.st_size;
    if (fd >= 0) ::close(fd);
    benchmark::DoNotOptimize(buffer.get());
    return ok;
}

std::string ReadWhole(const std::string& path) {
    std::string bytes(std::filesystem::file_size(path), '\0');
    int fd = ::open(path.c_str(), O_RDONLY);
    ssize_t got = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (got != static_cast<ssize_t>(bytes.size())) throw std::runtime_error("short read of " + path);
    return bytes;
}

struct Samples {
    std::vector<double> save, load, limit;
};

double MedianOf(std::vector<double> v) {
    if (v.empty()) return -1;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

void Rounds(benchmark::State& state, Samples& samples) {
    platform::fake::Fake().Reset();
    platform::fake::Fake().realFiles = true;
    TempFolder folder;
    const std::string path = folder.File("Hopmark.ini"), plain = folder.File("plain.bin");
    const TStringList keywords = Keywords();
    for (auto _ : state) {
        double start = NowMs();
        std::remove(path.c_str());
        auto saver = BoundTo(path);
        double t = NowMs();
        saver->WriteStrings(kSection, kName, keywords);
        samples.save.push_back(NowMs() - t);
        saver.reset();

        auto loader = BoundTo(path);
        TStringList list;
        t = NowMs();
        loader->ReadStrings(kSection, kName, list);
        samples.load.push_back(NowMs() - t);
        if (list.Count() != kItems || list[kItems - 1] != keywords[kItems - 1])
            state.SkipWithError("the list did not read back whole");
        loader.reset();

        const std::string bytes = ReadWhole(path);
        std::remove(plain.c_str());
        t = NowMs();
        if (!WriteAndReadBack(plain, bytes)) state.SkipWithError("plain file calls failed");
        samples.limit.push_back(NowMs() - t);
        state.SetIterationTime((NowMs() - start) / 1e3);
    }
}

Samples warm, fresh;

void WarmHeap(benchmark::State& state) {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // large blocks from the heap...
    mallopt(M_TRIM_THRESHOLD, 1 << 30);   // ...which keeps what is freed
    Rounds(state, warm);
}

void FreshMemory(benchmark::State& state) {
    mallopt(M_MMAP_THRESHOLD, 64 << 10);  // every large block mapped anew
    mallopt(M_TRIM_THRESHOLD, 0);
    Rounds(state, fresh);
}

std::string Line(const char* title, const Samples& samples) {
    if (samples.save.empty()) return std::string(title) + ": not run";
    double save = MedianOf(samples.save), load = MedianOf(samples.load),
           limit = MedianOf(samples.limit);
    char line[160];
    std::snprintf(line, sizeof line, "%s: save %.2f ms, load %.2f ms, limit %.2f ms, ratio %.2f",
                  title, save, load, limit, limit > 0 ? (save + load) / limit : 0.0);
    return line;
}

const bool registered = [] {
    benchmark::RegisterBenchmark("ini/warm-heap", WarmHeap)
        ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(31);
    benchmark::RegisterBenchmark("ini/fresh-memory", FreshMemory)
        ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
    bench::AddSummary([](const bench::Medians&) { return Line("ini 100000", warm); });
    bench::AddSummary([](const bench::Medians&) { return Line("ini 100000 on fresh memory", fresh); });
    return true;
}();

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv); }
