// Assembles the page block by block in a fixed order: the head in HTMLLine, the
// body straight from the source, then the afterword.
#include <utility>

#include "engine/body_text.h"
#include "engine/page_writer.h"
#include "text/numbers.h"

namespace pelin::engine {
namespace {

TextView startTag(std::int16_t lang) {
    switch (lang) {
    case 1: return u"<HTML LANG=ja><HEAD>";
    case 2: return u"<HTML LANG=en-US><HEAD>";
    case 3: return u"<HTML LANG=en><HEAD>";
    case 4: return u"<HTML LANG=zh><HEAD>";
    case 5: return u"<HTML LANG=ko><HEAD>";
    case 6: return u"<HTML LANG=ru><HEAD>";
    case 7: return u"<HTML LANG=it><HEAD>";
    case 8: return u"<HTML LANG=fr><HEAD>";
    default: return u"<HTML><HEAD>";
    }
}

// Appends pieces to the document. Everything up to the end of the body goes
// through the special-character pass when it is on; the afterword and the
// closing tags are appended after the pass and never converted.
class Document {
public:
    Document(Text& out, bool specialChars) : out_(out), pass_(specialChars) {}
    Document& operator<<(TextView piece) {
        appendPassed(piece, pass_, out_);
        return *this;
    }
    Document& operator<<(std::int64_t number) { return *this << TextView(text::formatInteger(number)); }
    // A value the user typed, as an attribute's value. One that a browser would cut
    // short or take apart unquoted goes between double quotes, a quote in it as
    // "&quot;", which the pass must leave as it is.
    Document& value(TextView typed) {
        if (typed.find_first_of(u" \t\n\f\r\"'=<>`") == TextView::npos) return *this << typed;
        out_ += u'"';
        for (std::size_t quote; (quote = typed.find(u'"')) != TextView::npos; typed.remove_prefix(quote + 1)) {
            *this << typed.substr(0, quote);
            out_ += u"&quot;";
        }
        *this << typed;
        out_ += u'"';
        return *this;
    }
    void endPass() { pass_ = false; }

private:
    Text& out_;
    bool pass_;
};

constexpr TextView CRLF = u"\r\n";

void appendBody(Document& doc, const ConversionSettings& s) {
    if (s.FixedBg == 0 || s.FixedBg == 1) {
        // A colour or picture left empty is left out, so that the browser uses its
        // own: "TEXT=#" would read as black, and an empty "BACKGROUND=" would take
        // the next attribute as its value.
        doc << u"<BODY";
        for (auto [name, colour] : {std::pair{u" TEXT=", &s.Bodyfont},
                                    {u" LINK=", &s.Bodylink},
                                    {u" ALINK=", &s.Bodyalink},
                                    {u" VLINK=", &s.Bodyvlink},
                                    {u" BGCOLOR=", &s.BgColor}}) {
            if (!colour->empty()) (doc << name).value(u"#" + *colour);
        }
        if (!s.Bodyground.empty()) (doc << u" BACKGROUND=").value(s.Bodyground);
        doc << u" TOPMARGIN=" << s.TOPMpix << u" LEFTMARGIN=" << s.LEFTMpix
            << (s.FixedBg == 1 ? u" BGPROPERTIES=FIXED>" : u">") << CRLF;
    }
    doc << u"<BASEFONT SIZE=" << s.BASEFont << u">" << CRLF;
}

}  // namespace

platform::Result<std::optional<std::uint64_t>> writePage(ConversionSettings& s, platform::BlockSource& source,
                                                         const platform::ChunkWriter& write,
                                                         const ConversionProgress& progress, std::size_t blockSize) {
    const bool pass = s.SpecialFont == 1;
    s.HTMLLine.clear();
    Document doc(s.HTMLLine, pass);
    doc << startTag(s.Lang) << CRLF << u"<TITLE>" << s.WebTitle << u"</TITLE>" << CRLF << CRLF;
    if (!s.WebMidashi.empty()) (doc << u"<META NAME=Description CONTENT=").value(s.WebMidashi) << u">" << CRLF;
    (doc << u"<META NAME=Keyword CONTENT=").value(s.HTMLKeyword01) << u">" << CRLF;
    doc << u"<META NAME=Content-Type Content=text/html; charset=" << s.Charset << u">" << CRLF;
    doc << u"<META NAME=GENERATOR CONTENT=ろぷら工房 " << u">" << CRLF << CRLF;
    if (s.NoRobot == 1) doc << u"<META NAME=robots CONTENT=noindex,nofollow>" << CRLF << CRLF;
    if (!s.CSSLink.empty()) (doc << u"<LINK REL=stylesheet HREF=").value(s.CSSLink) << u">" << CRLF << CRLF;
    if (s.HoverOn == 1) {
        // Without a colour the link keeps the one it has: "color:#" is no colour.
        doc << u"<STYLE type=text/css><!--" << CRLF << u"A:hover { text-decoration:underline; font-weight:bold";
        if (!s.DLColor.empty()) doc << u"; color:#" << s.DLColor;
        doc << u"}" << CRLF << u"--></STYLE>" << CRLF;
    }
    if (s.PageEfOn == 1) {
        doc << u"<META http-equiv=Page-Enter content=revealTrans(Duration=1.0,Transition=" << s.OpenPageEf << u")>"
            << CRLF;
        doc << u"<META http-equiv=Page-Exit content=revealTrans(Duration=1.0,Transition=" << s.ClosePageEf << u")>"
            << CRLF;
    }
    doc << u"</HEAD>" << CRLF << CRLF;
    appendBody(doc, s);
    if (s.BQuote == 1) doc << u"<BLOCKQUOTE>" << CRLF << CRLF;

    PageOutput out(write, text::pageCharsetOf(s.Charset));
    out.putText(s.HTMLLine);
    const Links links{.web = s.URLLink == 1, .mail = s.MailLink == 1};
    const platform::Result<Completion> body = writeBody(
        source, lineBreakMode(s.BR, s.P), CharacterPass(pass, s.AngleBrackets == 1), links, out, progress, blockSize);
    if (!body) return body.error();
    if (*body == Completion::Stopped) return std::optional<std::uint64_t>();

    Text end;
    Document tail(end, pass);
    tail << CRLF;
    if (s.BQuote == 1) tail << u"</BLOCKQUOTE>" << CRLF << CRLF;
    tail.endPass();
    if (s.CommentOn == 1) tail << u"<!--" << CRLF << s.Comment << CRLF << u"-->" << CRLF << CRLF;
    tail << u"</BODY></HTML>" << CRLF;
    out.putText(end);
    out.put("\r\n", 0);  // the file's last line end, which the document does not hold
    out.finish();
    return std::optional(out.units());
}

}  // namespace pelin::engine
