#include "iconmenu/win32/gdi_menu_painter.h"

#include <cstdint>
#include <vector>

#include "form/win32/bitmap.h"
#include "iconmenu/image_list.h"

namespace pelin::iconmenu::win32 {

namespace {

RECT toRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
Rect fromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// A pixel of a picture belongs to its shape, for the embossed look, when it is
// at least half opaque: the system's disabled pictures are one bit deep.
constexpr std::uint32_t kShapeAlpha = 128;

// A top-down 32-bit DIB section, all pixels transparent black.
HBITMAP makeDib(int width, int height, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

// A memory device context holding a bitmap for its lifetime.
class MemoryDC {
public:
    MemoryDC(HDC like, HGDIOBJ bitmap) : dc_(CreateCompatibleDC(like)), previous_(SelectObject(dc_, bitmap)) {}
    ~MemoryDC() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

bool alphaBlend(HDC target, int x, int y, int width, int height, HBITMAP picture, int pictureWidth, int pictureHeight) {
    const MemoryDC source(target, picture);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(target, x, y, width, height, source, 0, 0, pictureWidth, pictureHeight, blend);
}

// A colour number as an opaque premultiplied DIB pixel.
std::uint32_t opaquePixel(COLORREF colour) {
    return 0xFF000000u | (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

}  // namespace

GdiMenuPainter::GdiMenuPainter(HDC dc) : dc_(dc), savedState_(SaveDC(dc)) {}

std::unique_ptr<GdiMenuPainter> GdiMenuPainter::forWindow(HWND window) {
    HDC dc = ::GetDC(window);
    if (!dc) return nullptr;
    auto painter = std::make_unique<GdiMenuPainter>(dc);
    painter->window_ = window;
    return painter;
}

GdiMenuPainter::~GdiMenuPainter() {
    // The fonts are deleted once the context holds its own font again.
    RestoreDC(dc_, savedState_);
    for (HFONT font : fonts_)
        if (font) DeleteObject(font);
    if (window_) ReleaseDC(window_, dc_);
}

ColorRef GdiMenuPainter::GetSysColor(int index) const { return ::GetSysColor(index); }

int GdiMenuPainter::GetSystemMetrics(int index) const { return ::GetSystemMetrics(index); }

void GdiMenuPainter::SetBkModeTransparent() { SetBkMode(dc_, TRANSPARENT); }

ColorRef GdiMenuPainter::GetBkColor() const { return ::GetBkColor(dc_); }

void GdiMenuPainter::SetBkColor(ColorRef colour) { ::SetBkColor(dc_, colour); }

void GdiMenuPainter::SetTextColor(ColorRef colour) { ::SetTextColor(dc_, colour); }

HFONT GdiMenuPainter::fontFor(const MenuFont& font) {
    const std::size_t slot = (font.bold ? 1u : 0u) | (font.italic ? 2u : 0u) | (font.underline ? 4u : 0u);
    if (fonts_[slot]) return fonts_[slot];
    // The font the system draws its own menus in.
    LOGFONTW logical{};
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) logical = metrics.lfMenuFont;
    else GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logical), &logical);
    if (font.bold) logical.lfWeight = FW_BOLD;
    logical.lfItalic = font.italic ? TRUE : FALSE;
    logical.lfUnderline = font.underline ? TRUE : FALSE;
    fonts_[slot] = CreateFontIndirectW(&logical);
    return fonts_[slot];
}

MenuFont GdiMenuPainter::SelectFont(const MenuFont& font) {
    const MenuFont previous = font_;
    if (HFONT handle = fontFor(font)) SelectObject(dc_, handle);
    font_ = font;
    return previous;
}

void GdiMenuPainter::FillRect(const Rect& rect, ColorRef colour) {
    const RECT r = toRECT(rect);
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void GdiMenuPainter::DrawEdge(const Rect& rect, unsigned edge, unsigned flags) {
    RECT r = toRECT(rect);
    ::DrawEdge(dc_, &r, edge, flags);
}

Rect GdiMenuPainter::DrawText(TextView text, const Rect& rect, unsigned format) {
    RECT r = toRECT(rect);
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    DrawTextW(dc_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &r, format);
    return (format & DT_CALCRECT) ? fromRECT(r) : rect;
}

void GdiMenuPainter::DrawMenuCheckMark(const Rect& rect) {
    const int width = rect.width();
    const int height = rect.height();
    if (width <= 0 || height <= 0) return;
    // The system draws the mark black on white; copied from one bit deep, it
    // takes the text colour on the background colour.
    HBITMAP mono = CreateBitmap(width, height, 1, 1, nullptr);
    if (!mono) return;
    {
        const MemoryDC mark(dc_, mono);
        RECT whole{0, 0, width, height};
        DrawFrameControl(mark, &whole, DFC_MENU, DFCS_MENUCHECK);
        BitBlt(dc_, rect.left, rect.top, width, height, mark, 0, 0, SRCCOPY);
    }
    DeleteObject(mono);
}

void GdiMenuPainter::DrawImage(const ImageList& list, int position, int x, int y, bool enabled) {
    const form::win32::Bitmap* bitmap = form::win32::bitmapOf(list.PictureAt(position));
    if (!bitmap || !bitmap->handle()) return;
    if (enabled)
        alphaBlend(dc_, x, y, list.ImageWidth(), list.ImageHeight(), bitmap->handle(), bitmap->width(),
                   bitmap->height());
    else drawEmbossed(bitmap->handle(), bitmap->width(), bitmap->height(), x, y, list.ImageWidth(), list.ImageHeight());
}

// The picture's shape in the highlight colour one pixel right of and below
// where it stands, and in the shadow colour over that where it stands.
void GdiMenuPainter::drawEmbossed(HBITMAP picture, int pictureWidth, int pictureHeight, int x, int y, int width,
                                  int height) {
    if (width <= 0 || height <= 0) return;
    std::uint32_t* maskPixels = nullptr;
    HBITMAP mask = makeDib(width, height, maskPixels);
    if (!mask) return;
    std::vector<bool> shape(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    {
        // Drawn into transparent black at the size it is shown at, the picture
        // leaves its alpha behind.
        const MemoryDC target(dc_, mask);
        alphaBlend(target, 0, 0, width, height, picture, pictureWidth, pictureHeight);
        GdiFlush();
        for (std::size_t i = 0; i < shape.size(); ++i) shape[i] = (maskPixels[i] >> 24) >= kShapeAlpha;
    }
    DeleteObject(mask);

    const int embossedWidth = width + 1;
    const int embossedHeight = height + 1;
    std::uint32_t* pixels = nullptr;
    HBITMAP embossed = makeDib(embossedWidth, embossedHeight, pixels);
    if (!embossed) return;
    const std::uint32_t highlight = opaquePixel(::GetSysColor(COLOR_BTNHIGHLIGHT));
    const std::uint32_t shadow = opaquePixel(::GetSysColor(COLOR_BTNSHADOW));
    auto inShape = [&](int column, int row) {
        return column >= 0 && row >= 0 && column < width && row < height &&
               shape[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(column)];
    };
    for (int row = 0; row < embossedHeight; ++row)
        for (int column = 0; column < embossedWidth; ++column) {
            std::uint32_t& pixel = pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(embossedWidth) +
                                          static_cast<std::size_t>(column)];
            if (inShape(column, row)) pixel = shadow;
            else if (inShape(column - 1, row - 1)) pixel = highlight;
        }
    GdiFlush();
    alphaBlend(dc_, x, y, embossedWidth, embossedHeight, embossed, embossedWidth, embossedHeight);
    DeleteObject(embossed);
}

}  // namespace pelin::iconmenu::win32
