// Completion of the keyword combo over 100,000 keywords.
//
// completion/typing: words typed a character at a time, one keystroke being
// one completion: words from the top, the middle and the end of the list,
// one typed in capitals, and words the list does not hold, each of which then
// joins the list as the keyword action adds it. Time per session.
// completion/worst: the dearest keystroke there is: the first after the list
// changed, for a text that no item begins with, so that every item is read.
#include "bench/Summary.h"
#include "framework/ComboCompletion.h"
#include "framework/Strings.h"
#include "platform/Platform.h"

#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kKeywords = 100000;

// Seconds on the monotonic clock (<chrono> cannot be built for this code page).
double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Two to five syllables each, kanji, kana and romaji mixed; some repeat.
TStringList MakeKeywords() {
    static const char* const syllables[] = {
        "東", "京", "大", "阪", "名", "古", "屋", "都", "タ", "ワ", "ー", "駅", "山",
        "川", "の", "か", "さ", "ん", "ka", "to", "yo", "shi", "ma", "Na", "Ri", "ko", "u", "n"};
    std::mt19937 random(kKeywords);
    TStringList keywords;
    keywords.Reserve(kKeywords);
    for (int i = 0; i < kKeywords; ++i) {
        std::string word;
        for (int n = 2 + static_cast<int>(random() % 4); n > 0; --n)
            word += syllables[random() % std::size(syllables)];
        keywords.Add(word);
    }
    return keywords;
}

// The edit texts of a word typed a character at a time.
std::vector<std::string> Keystrokes(const std::string& word) {
    const auto& os = platform::Current();
    std::vector<std::string> texts;
    for (size_t i = 0; i < word.size(); ++i) {
        if (os.IsLeadByte(static_cast<unsigned char>(word[i])) && i + 1 < word.size()) ++i;
        texts.push_back(word.substr(0, i + 1));
    }
    return texts;
}

struct Word {
    std::vector<std::string> keystrokes;
    bool joinsList;
};

std::vector<Word> Session(const TStringList& keywords) {
    std::vector<Word> words;
    for (int i : {0, 10, 1000, 50000, 99990, 99999})
        words.push_back({Keystrokes(keywords[i]), false});
    words.push_back({Keystrokes("TOKYO"), false});
    for (const char* absent : {"ヴィーナス", "zebra", "東京ヴ", "kaX", "ワンワン駅前広場"})
        words.push_back({Keystrokes(absent), true});
    return words;
}

int KeystrokesPerSession() {
    int n = 0;
    for (const auto& word : Session(MakeKeywords())) n += static_cast<int>(word.keystrokes.size());
    return n;
}

void Typing(benchmark::State& state) {
    TStringList keywords = MakeKeywords();
    const std::vector<Word> words = Session(keywords);
    for (auto _ : state) {
        TComboCompletion completion(keywords);
        double spent = 0;
        for (const auto& word : words) {
            for (const auto& text : word.keystrokes) {
                double start = Now();
                auto result = completion.Complete(text, TTextChange::tcTyped);
                spent += Now() - start;
                benchmark::DoNotOptimize(result);
            }
            if (word.joinsList) keywords.Add(word.keystrokes.back());
        }
        state.SetIterationTime(spent);
        while (keywords.Count() > kKeywords) keywords.Delete(keywords.Count() - 1);
    }
}

void Worst(benchmark::State& state) {
    TStringList keywords = MakeKeywords();
    TComboCompletion completion(keywords);
    const std::string last = keywords[kKeywords - 1];
    for (auto _ : state) {
        keywords.Put(kKeywords - 1, last);  // any change makes the next search read every item
        double start = Now();
        auto result = completion.Complete("ヴ", TTextChange::tcTyped);
        state.SetIterationTime(Now() - start);
        if (result) state.SkipWithError("an item begins with the text");
    }
}

const bool registered = [] {
    auto configure = [](benchmark::internal::Benchmark* b, int iterations) {
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(iterations)
            ->Repetitions(9)->ReportAggregatesOnly(true);
    };
    configure(benchmark::RegisterBenchmark("completion/typing", Typing), 20);
    configure(benchmark::RegisterBenchmark("completion/worst", Worst), 50);
    return bench::AddSummary([](const bench::Medians& m) {
        double session = bench::Median(m, "completion/typing");
        double worst = bench::Median(m, "completion/worst");
        char line[160];
        std::snprintf(line, sizeof line, "completion %d: %.1f us per keystroke (worst %.1f us)",
                      kKeywords, session * 1e3 / KeystrokesPerSession(), worst * 1e3);
        return std::string(line);
    });
}();

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv); }
