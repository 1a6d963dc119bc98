// Addresses in the body become links: the rules' corners, checked on the streamed
// body and on the reference alike, and the streamed body against the reference
// on generated text full of near-addresses.
#include <gtest/gtest.h>

#include <random>

#include "engine/conversion_run.h"
#include "engine/page_writer.h"
#include "support/engine_answers.h"
#include "support/reference_body.h"

namespace pelin::engine {
namespace {

using testing::BodyBytes;
using testing::MemorySource;
using testing::sjis;

constexpr Links kWeb{.web = true};
constexpr Links kMail{.mail = true};
constexpr Links kBoth{.web = true, .mail = true};

BodyBytes streamed(std::string_view bytes, Links links, bool pass, std::size_t blockSize = kBlockSize) {
    std::string page;
    const platform::ChunkWriter write = [&](std::string_view chunk) { page.append(chunk); };
    PageOutput out(write);
    MemorySource source(bytes);
    EXPECT_EQ(writeBody(source, LineBreakMode::BR, pass, links, out, {}, blockSize).value(), Completion::Finished);
    out.flush();
    return {page, out.units()};
}

// The body of one code page 932 line written here in UTF-8, back in UTF-8 without
// its tag; the reference must agree.
std::string linked(std::string_view line, Links links, bool pass = false) {
    const std::string source = sjis(line) + "\r\n";
    const BodyBytes body = streamed(source, links, pass);
    EXPECT_EQ(body, testing::referenceBody(source, LineBreakMode::BR, pass, links)) << line;
    const std::string utf8 = text::toUtf8(text::fromCp932(body.bytes));
    return utf8.substr(0, utf8.size() - 6);
}

std::string a(std::string_view address) {
    return "<A HREF=\"" + std::string(address) + "\">" + std::string(address) + "</A>";
}
std::string mailto(std::string_view address) {
    return "<A HREF=\"mailto:" + std::string(address) + "\">" + std::string(address) + "</A>";
}

TEST(Links, WebAddresses) {
    EXPECT_EQ(linked("http://example.com/a", kWeb), a("http://example.com/a"));
    EXPECT_EQ(linked("（http://example.com/）", kWeb), "（" + a("http://example.com/") + "）");
    EXPECT_EQ(linked("詳しくはhttp://example.com/a。", kWeb), "詳しくは" + a("http://example.com/a") + "。");
    EXPECT_EQ(linked("(see http://x.com/a).", kWeb), "(see " + a("http://x.com/a") + ").");
    EXPECT_EQ(linked("see http://x.com/a_(b).", kWeb), "see " + a("http://x.com/a_(b)") + ".");
    EXPECT_EQ(linked("HTTPS://EXAMPLE.COM and ftp://f.jp/x!?", kWeb),
              a("HTTPS://EXAMPLE.COM") + " and " + a("ftp://f.jp/x") + "!?");
    EXPECT_EQ(linked("http://user@example.com/", kBoth), a("http://user@example.com/"));
    // Only a scheme, or one right after a letter or digit: no address.
    EXPECT_EQ(linked("http:// and http://. and xhttp://x.com 1ftp://x", kWeb),
              "http:// and http://. and xhttp://x.com 1ftp://x");
    EXPECT_EQ(linked("<http://x.com/\"q\">", kWeb), "<" + a("http://x.com/") + "\"q\">");
}

TEST(Links, MailAddresses) {
    EXPECT_EQ(linked("mail a.b@example.com.", kMail), "mail " + mailto("a.b@example.com") + ".");
    EXPECT_EQ(linked("x_1+y@mail.example.co.jp、どうぞ", kMail), mailto("x_1+y@mail.example.co.jp") + "、どうぞ");
    EXPECT_EQ(linked("a@b and a@b. and a@b.c and a@.bc", kMail), "a@b and a@b. and a@b.c and a@.bc");
    // The longest domain that fits, ending in a label of letters.
    EXPECT_EQ(linked("a@b.cd2 a@b.cd-e a@b..cd", kMail), mailto("a@b.cd") + "2 " + mailto("a@b.cd") + "-e a@b..cd");
    // The local part takes in everything of its characters before "@".
    EXPECT_EQ(linked("(first.last@x.jp)", kMail), "(" + mailto("first.last@x.jp") + ")");
}

TEST(Links, BothKindsOnOneLine) {
    EXPECT_EQ(linked("see http://x.com/ or write to me@x.com", kBoth),
              "see " + a("http://x.com/") + " or write to " + mailto("me@x.com"));
    // A web address inside what would be a domain wins, and the domain stops before it.
    EXPECT_EQ(linked("me@x.com.http://y.jp/", kBoth), mailto("me@x.com") + "." + a("http://y.jp/"));
    EXPECT_EQ(linked("me@x.com.http://y.jp/", kMail), mailto("me@x.com.http") + "://y.jp/");
}

TEST(Links, PassConvertsTheAddressTextButNotTheTags) {
    EXPECT_EQ(linked("http://x.com/?a=1&b=2", kWeb, true),
              "<A HREF=\"http://x.com/?a=1&amp;b=2\">http://x.com/?a=1&amp;b=2</A>");
    EXPECT_EQ(linked("http://x.com/?a=1&b=2", kWeb, false), a("http://x.com/?a=1&b=2"));
}

TEST(Links, NeverInsideATwoByteCharacter) {
    // ド is 0x83 0x68 ("h"), ア 0x83 0x41 ("A"), ァ 0x83 0x40 ("@"), ソ 0x83 0x5C.
    EXPECT_EQ(linked("ドttp://x.com", kWeb), "ドttp://x.com");
    EXPECT_EQ(linked("アb@x.com", kMail), "ア" + mailto("b@x.com"));
    EXPECT_EQ(linked("abァcd.com", kMail), "abァcd.com");
    EXPECT_EQ(linked("ソhttp://x.com/ア", kWeb), "ソ" + a("http://x.com/") + "ア");
}

TEST(Links, PageTakesTheChoicesFromTheRecord) {
    auto s = testing::plainAnswers();
    s.URLLink = 1;
    std::string page;
    MemorySource source("http://x.com/ a@x.com\r\n");
    ASSERT_TRUE(writePage(s, source, [&](std::string_view chunk) { page.append(chunk); }).ok());
    EXPECT_NE(page.find(a("http://x.com/") + " a@x.com<BR>\r\n"), std::string::npos);
}

// Text thick with the pieces of addresses, and with two-byte characters whose
// second byte looks like one of them; in code page 932 or UTF-8.
std::string nearAddresses(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {
        "http://",  "HTTPS://", "ftp://",   "http:/", "ttp://",   "h",        "x",        "a.b",      "example",
        ".com",     ".c",       ".jp",      "co",     "@",        "@x.",      "-",        "_",        "..",
        ".",        ",",        ";",        ":",      "!",        "?",        "'",        "(",        ")",
        "&",        "/",        "%",        "+",      "~",        "#",        " ",        "\r\n",     "\r",
        "\n",       "\"",       "<",        "1",      "\x81\x69", "\x81\x42", "\x83\x68", "\x83\x41", "\x83\x40",
        "\x83\x5C", "\x81\x7E", "\xEE\xEF", "\xB1",   "\x81",     "\xFF"};
    static const std::vector<std::string> utf8 = {"\xEF\xBC\x88", "\xE3\x80\x82", "\xC3\x97", "\xF0\x9F\x98\x80"};
    const bool isUtf8 = rng() % 3 == 0;
    std::string source;
    for (std::size_t n = rng() % 300; n > 0; --n) {
        const std::string& piece = pieces[rng() % pieces.size()];
        source += isUtf8 && static_cast<unsigned char>(piece[0]) >= 0x80 ? utf8[rng() % utf8.size()] : piece;
    }
    return source;
}

TEST(Links, StreamedBodyMatchesTheReference) {
    std::mt19937 rng(61);
    for (int n = 0; n < 400; ++n) {
        const std::string source = nearAddresses(rng);
        for (Links links : {kWeb, kMail, kBoth}) {
            for (bool pass : {false, true}) {
                const BodyBytes expected = testing::referenceBody(source, LineBreakMode::BR, pass, links);
                for (std::size_t blockSize : {std::size_t{8}, std::size_t{13}, kBlockSize}) {
                    ASSERT_EQ(streamed(source, links, pass, blockSize), expected)
                        << "source " << n << ", web " << links.web << ", mail " << links.mail << ", pass " << pass
                        << ", blocks of " << blockSize;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pelin::engine
