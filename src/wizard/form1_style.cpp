// The page style inputs: margins shown in centimetres, and the background image.
#include <cmath>

#include "form/messages.h"
#include "text/numbers.h"
#include "text/textfile.h"
#include "wizard/form1.h"
#include "wizard/values.h"

namespace pelin::wizard {
namespace {

constexpr double kCentimetresPerPixel = 0.035;

// A text that is no number leaves the label as it was.
void showCentimetres(const form::TextBox& box, form::Label& label) {
    if (std::optional<double> pixels = text::parseDecimal(box.text))
        label.caption = text::formatReal(*pixels * kCentimetresPerPixel);
}

}  // namespace

void Form1::txtTOPM_Change() { showCentimetres(txtTOPM, mm51); }
void Form1::txtLEFTM_Change() { showCentimetres(txtLEFTM, mm52); }

void Form1::Command46_Click() {
    CommonDialog1.Filter = u"画像ファイル(*.gif,*.jpg,*.jpeg,*.png)|*.gif;*.jpg;*.jpeg;*.png|すべてのファイル(*.*)|*.*";
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.Flags = form::kCdlFileMustExist;
    CommonDialog1.DialogTitle = u"背景CGを選択";
    if (!CommonDialog1.ShowOpen()) return;

    BackgroundTitle.setText(CommonDialog1.FileTitle);
    settings.Bodyground = CommonDialog1.FileTitle;

    const std::optional<std::uintmax_t> size = platform::fileLength(text::toPath(CommonDialog1.FileName));
    if (!size) return;
    if (*size > 0) {
        // Whole kilobytes, halves to even, as a 16-bit number: a file of 32 767 500
        // bytes or more has no such figure and the handler stops here.
        const double kilobytes = std::nearbyint(static_cast<double>(*size) / 1000.0);
        if (kilobytes > 32767) return;
        txtCGSize.caption = u"ファイルサイズ : " + text::formatInteger(static_cast<std::int64_t>(kilobytes)) + u"KB";
    } else {
        txtCGSize.caption = u"ファイルサイズ : ???? KB";
    }
    services_.messageBox.show(
        u"背景画像を正しく表示させるには、\r\nHTMLファイルと同じフォルダに置いてください。\r\n\r\n"
        u"もしくは手動でパスを書き直してください。",
        form::kMbWarning, u"背景画像のパスについて");
}

}  // namespace pelin::wizard
