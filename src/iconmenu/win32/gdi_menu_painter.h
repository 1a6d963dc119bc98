#pragma once
// The menu drawing's surface over a device context: the system's own colours,
// sizes and menu font, GDI's edges, text and check mark, and the pictures of
// the Windows side drawn with their alpha. The context is given back as it was
// found: its font, colours and background mode.
#include <array>
#include <memory>

#include "iconmenu/menu_painter.h"

// clang-format off
#include <windows.h>
// clang-format on
// The painter's members are named as the platform's functions, which
// <windows.h> also defines as macros choosing their ANSI or wide form.
#undef DrawText

namespace pelin::iconmenu::win32 {

class GdiMenuPainter : public MenuPainter {
public:
    // Draws on `dc`, which stays the caller's.
    explicit GdiMenuPainter(HDC dc);
    // A painter on a device context of the window, given back when it goes.
    static std::unique_ptr<GdiMenuPainter> forWindow(HWND window);
    ~GdiMenuPainter() override;
    GdiMenuPainter(const GdiMenuPainter&) = delete;
    GdiMenuPainter& operator=(const GdiMenuPainter&) = delete;

    ColorRef GetSysColor(int index) const override;
    int GetSystemMetrics(int index) const override;
    void SetBkModeTransparent() override;
    ColorRef GetBkColor() const override;
    void SetBkColor(ColorRef colour) override;
    void SetTextColor(ColorRef colour) override;
    MenuFont SelectFont(const MenuFont& font) override;
    void FillRect(const Rect& rect, ColorRef colour) override;
    void DrawEdge(const Rect& rect, unsigned edge, unsigned flags) override;
    Rect DrawText(TextView text, const Rect& rect, unsigned format) override;
    void DrawMenuCheckMark(const Rect& rect) override;
    void DrawImage(const ImageList& list, int position, int x, int y, bool enabled) override;

private:
    HFONT fontFor(const MenuFont& font);
    void drawEmbossed(HBITMAP picture, int pictureWidth, int pictureHeight, int x, int y, int width, int height);

    HDC dc_;
    HWND window_ = nullptr;  // set when the context is the window's, to be released
    int savedState_;
    // The menu font in each of its eight styles, made when first asked for.
    std::array<HFONT, 8> fonts_{};
    MenuFont font_;
};

}  // namespace pelin::iconmenu::win32
