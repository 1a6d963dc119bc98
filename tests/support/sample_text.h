#pragma once
// Generated Japanese text, line by line and the same for the same seed: the text
// the benchmark converts, and prose that leans on kanji or on kana.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace pelin::testing {

enum class SampleStyle {
    Benchmark,  // lines of 20 to 120 characters, Japanese or ASCII, with & × ÷ ± sprinkled in
    Kanji,      // prose of mostly kanji words
    Kana,       // prose of mostly kana, with some katakana words
};

class SampleText {
public:
    explicit SampleText(SampleStyle style, std::uint32_t seed = 932) : style_(style), rng_(seed) {}

    // The next line, without its line end.
    std::u16string nextLine() { return style_ == SampleStyle::Benchmark ? benchmarkLine() : proseLine(); }

private:
    std::u16string benchmarkLine() {
        static const std::u16string japanese = u"ぺりんはテキストをページに変換します日本語漢字カタカナ、。「」";
        static const std::string ascii = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ 0123456789 <>\"',.";
        static const std::u16string special = u"&×÷±";
        std::u16string line;
        const int length = std::uniform_int_distribution<int>(20, 120)(rng_);
        const bool isJapanese = rng_() % 2 == 0;
        for (int i = 0; i < length; ++i) {
            if (rng_() % 40 == 0) line += special[rng_() % special.size()];
            else if (isJapanese) line += japanese[rng_() % japanese.size()];
            else line += static_cast<char16_t>(ascii[rng_() % ascii.size()]);
        }
        return line;
    }

    std::u16string proseLine() {
        // clang-format off
        static const std::vector<std::u16string> kanji = {
            u"日本", u"経済", u"政府", u"会議", u"問題", u"社会", u"研究", u"開発", u"技術", u"情報",
            u"管理", u"世界", u"東京", u"大学", u"教育", u"文化", u"歴史", u"自然", u"環境", u"国際",
            u"関係", u"地域", u"産業", u"発展", u"状況", u"結果", u"影響", u"必要", u"重要", u"現在",
            u"時間", u"場所", u"人間", u"生活", u"仕事", u"家族", u"子供", u"言葉", u"意味", u"方法"};
        static const std::vector<std::u16string> kana = {
            u"は", u"が", u"の", u"に", u"を", u"で", u"と", u"も", u"から", u"まで", u"です", u"ます",
            u"でした", u"ました", u"という", u"ことが", u"ように", u"しかし", u"そして", u"ところ",
            u"なければならない", u"かもしれません", u"ている", u"られる", u"について", u"ちょっと"};
        static const std::vector<std::u16string> katakana = {u"コンピュータ", u"インターネット", u"データ",
                                                             u"システム", u"ネットワーク", u"プログラム"};
        // clang-format on
        auto pick = [&](const std::vector<std::u16string>& words) { return words[rng_() % words.size()]; };
        std::u16string line;
        const int words = 5 + static_cast<int>(rng_() % 30);
        for (int w = 0; w < words; ++w) {
            const unsigned r = rng_() % 10;
            if (style_ == SampleStyle::Kanji) line += r < 6 ? pick(kanji) : pick(kana);
            else line += r < 2 ? pick(kanji) : r < 3 ? pick(katakana) : pick(kana);
            if (rng_() % 8 == 0) line += u"、";
        }
        return line + u"。";
    }

    SampleStyle style_;
    std::mt19937 rng_;
};

}  // namespace pelin::testing
