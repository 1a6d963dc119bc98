#include "form/win32/bundled_picture.h"

#include <string>

#include "form/win32/picture_loader.h"

namespace pelin::form::win32 {

int bundledPictureDpi(int dpi) {
    if (dpi <= 96) return 96;
    if (dpi <= 144) return 144;
    return 192;
}

std::shared_ptr<Bitmap> bundledPicture(std::string_view name, int dpi) {
    // Resources are named "NAME-PERCENT" (pictures.rc, made by the build).
    std::wstring resource(name.begin(), name.end());
    resource += L'-' + std::to_wstring(bundledPictureDpi(dpi) * 100 / 96);
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, resource.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(program, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return nullptr;
    return decodePicture(std::span(static_cast<const std::byte*>(bytes), SizeofResource(program, found)));
}

}  // namespace pelin::form::win32
