#pragma once
// Drawing the Windows side's pictures, and making pointers and window icons of
// them.
#include "form/win32/bitmap.h"

namespace pelin::form::win32 {

// Draws `bitmap` over what is there, through its alpha, stretched to `place`.
void drawBitmap(HDC dc, const Bitmap& bitmap, const RECT& place);

// A pointer (fIcon false) or an icon made of `bitmap`, its hot spot at
// `hotSpot` in the bitmap's pixels; null when the system refuses. The caller
// destroys it (DestroyCursor, DestroyIcon).
HICON iconFromBitmap(const Bitmap& bitmap, bool icon, POINT hotSpot = {0, 0});

}  // namespace pelin::form::win32
