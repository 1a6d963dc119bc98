#pragma once
// A picture as the Windows side holds it: a 32-bit top-down DIB section whose
// pixels carry premultiplied alpha, ready for AlphaBlend. The picture loader
// makes them from files and from the program's own resources; the windows and
// the menu drawing only draw them.
#include <memory>

#include "form/controls.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

class Bitmap final : public Picture {
public:
    // Takes the DIB section over; it is deleted with the picture.
    Bitmap(HBITMAP bitmap, int width, int height) : bitmap_(bitmap), width_(width), height_(height) {}
    ~Bitmap() override {
        if (bitmap_) DeleteObject(bitmap_);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }
    HBITMAP handle() const { return bitmap_; }

private:
    HBITMAP bitmap_;
    int width_;
    int height_;
};

// The bitmap of a picture that the Windows side loaded; null for any other.
inline const Bitmap* bitmapOf(const Picture* picture) { return dynamic_cast<const Bitmap*>(picture); }

}  // namespace pelin::form::win32
