// Completion of the keyword combo over 100,000 keywords: the cost of one
// keystroke while words are typed character by character, from words near the
// top of the list to words near its end and words it does not hold (each of
// those then joins the list, as the keyword action does).
//
// Counters: us_per_keystroke, the mean over every keystroke measured;
// worst_us, the dearest keystroke of the session, each keystroke taken at its
// fastest over the iterations so that scheduler noise does not count.
#include "framework/ComboCompletion.h"
#include "framework/Strings.h"
#include "platform/Platform.h"

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Microseconds on the monotonic clock. <chrono> cannot be used here: its
// suffix for microseconds has a character that the code page the literals
// are built for does not hold.
double NowUs() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

constexpr int kKeywords = 100000;

TStringList MakeKeywords() {
    static const char* const syllables[] = {
        "東", "京", "大", "阪", "名", "古", "屋", "都", "タ", "ワ", "ー", "駅", "山",
        "川", "の", "か", "さ", "ん", "ka", "to", "yo", "shi", "ma", "Na", "Ri", "ko", "u", "n"};
    std::mt19937 random(100000);
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

// The texts of one word typed a character at a time.
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
    std::string text;
    bool joinsList;  // not in the list: added after it is typed
};

void BM_Completion(benchmark::State& state) {
    TStringList keywords = MakeKeywords();
    const int original = keywords.Count();
    std::vector<Word> words;
    for (int i : {0, 10, 1000, 50000, 99990, 99999}) words.push_back({keywords[i], false});
    words.push_back({"TOKYO", false});  // typed in capitals
    for (const char* absent : {"ヴィーナス", "zebra", "東京ヴ", "kaX", "ワンワン駅前広場"}) {
        words.push_back({absent, true});
    }

    std::vector<std::vector<std::string>> typed;
    for (const auto& w : words) typed.push_back(Keystrokes(w.text));
    size_t perSession = 0;
    for (const auto& t : typed) perSession += t.size();

    std::vector<double> fastest(perSession, 1e300);
    double total = 0;
    long long measured = 0;
    for (auto _ : state) {
        TComboCompletion completion(keywords);
        size_t k = 0;
        for (size_t w = 0; w < words.size(); ++w) {
            for (const auto& text : typed[w]) {
                double start = NowUs();
                auto result = completion.Complete(text, TTextChange::tcTyped);
                double us = NowUs() - start;
                benchmark::DoNotOptimize(result);
                total += us;
                fastest[k] = std::min(fastest[k], us);
                ++k;
            }
            if (words[w].joinsList) keywords.Add(words[w].text);
        }
        measured += static_cast<long long>(perSession);
        state.PauseTiming();
        while (keywords.Count() > original) keywords.Delete(keywords.Count() - 1);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(measured);
    state.counters["us_per_keystroke"] = total / static_cast<double>(measured);
    state.counters["worst_us"] = *std::max_element(fastest.begin(), fastest.end());
}

}  // namespace

BENCHMARK(BM_Completion)->Name("completion/100000")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
