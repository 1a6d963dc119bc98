#include "form/win32/picture_drawing.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pelin::form::win32 {

void drawBitmap(HDC dc, const Bitmap& bitmap, const RECT& place) {
    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ previous = SelectObject(source, bitmap.handle());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (place.right - place.left != bitmap.width() || place.bottom - place.top != bitmap.height())
        SetStretchBltMode(dc, HALFTONE);
    AlphaBlend(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, source, 0, 0,
               bitmap.width(), bitmap.height(), blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

HICON iconFromBitmap(const Bitmap& bitmap, bool icon, POINT hotSpot) {
    // Icons and pointers take their colours unpremultiplied.
    const int width = bitmap.width();
    const int height = bitmap.height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int read =
        GetDIBits(screen, bitmap.handle(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    if (read != height) {
        ReleaseDC(nullptr, screen);
        return nullptr;
    }
    for (std::uint32_t& pixel : pixels) {
        const std::uint32_t alpha = pixel >> 24;
        if (alpha == 0 || alpha == 255) continue;
        std::uint32_t straight = alpha << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t channel = std::min<std::uint32_t>(255, ((pixel >> shift) & 0xFF) * 255 / alpha);
            straight |= channel << shift;
        }
        pixel = straight;
    }
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return nullptr;
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    // The alpha decides; the mask only has to be there (all of it shown).
    const std::vector<BYTE> cleared(static_cast<std::size_t>((width + 15) / 16 * 2) * height, 0);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, cleared.data());
    ICONINFO parts{};
    parts.fIcon = icon ? TRUE : FALSE;
    parts.xHotspot = static_cast<DWORD>(hotSpot.x);
    parts.yHotspot = static_cast<DWORD>(hotSpot.y);
    parts.hbmMask = mask;
    parts.hbmColor = colour;
    HICON result = mask ? CreateIconIndirect(&parts) : nullptr;
    if (mask) DeleteObject(mask);
    DeleteObject(colour);
    return result;
}

}  // namespace pelin::form::win32
