#pragma once
// The pictures that come with the program (the mascots, the menu icons, the
// pointer), kept in the program as resources rendered for screens of 100, 150
// and 200 %. A program that shows them links pelin_pictures_win32.
#include <memory>
#include <string_view>

#include "form/win32/bitmap.h"

namespace pelin::form::win32 {

// The DPI the bundled pictures for a screen of `dpi` were rendered for (96,
// 144 or 192): the smallest at which they are at least as sharp as the
// screen, the sharpest for any screen finer than that.
int bundledPictureDpi(int dpi);

// The picture bundled under `name` (e.g. "mascot-blue") rendered for
// bundledPictureDpi(dpi); its size in pixels is its design size at that DPI.
// Null for a name the program does not bundle.
std::shared_ptr<Bitmap> bundledPicture(std::string_view name, int dpi);

}  // namespace pelin::form::win32
