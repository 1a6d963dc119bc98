#pragma once
// The pixels of a picture the Windows side made, as the tests look at them.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "form/win32/bitmap.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::testing {

// Premultiplied BGRA, as the DIB section holds them.
struct Pixel {
    int blue, green, red, alpha;
};

inline Pixel pixelAt(const form::win32::Bitmap& bitmap, int x, int y) {
    DIBSECTION section{};
    if (GetObjectW(bitmap.handle(), sizeof section, &section) != sizeof section || !section.dsBm.bmBits) return {};
    const auto* row = static_cast<const std::uint8_t*>(section.dsBm.bmBits) + y * section.dsBm.bmWidthBytes;
    const std::uint8_t* pixel = row + x * 4;
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

// The folder beside the test program (where its build puts the test's files).
inline std::filesystem::path besideProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::wstring(path, length)).parent_path();
}

}  // namespace pelin::testing
