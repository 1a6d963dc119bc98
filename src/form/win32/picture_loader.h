#pragma once
// Pictures read by their content through the system's imaging component (WIC),
// whatever the file's name: a character named ".pcf" loads whether it holds a
// BMP, JPEG, GIF or PNG picture.
#include <cstddef>
#include <memory>
#include <span>

#include "form/services.h"
#include "form/win32/bitmap.h"

namespace pelin::form::win32 {

// The picture that `bytes` hold (of a picture with several frames, the
// first), as a premultiplied top-down DIB section; null when no decoder
// reads it, or when it would take more memory than any picture the program
// shows (a small file may claim a huge picture).
std::shared_ptr<Bitmap> decodePicture(std::span<const std::byte> bytes);

class WicPictureLoader : public PictureLoader {
public:
    // Reads the file as every file is read (a regular file, opened without
    // waiting, at most platform::kMaxPictureFileBytes), then decodes it.
    std::shared_ptr<Picture> load(const std::filesystem::path& path) override;
};

}  // namespace pelin::form::win32
