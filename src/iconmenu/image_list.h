#pragma once
// A list of equally sized pictures, each found by a key or by its position.
#include <memory>
#include <vector>

#include "form/controls.h"
#include "text/text.h"

namespace pelin::iconmenu {

using text::Text;
using text::TextView;

class ImageList {
public:
    ImageList(int imageWidth, int imageHeight) : width_(imageWidth), height_(imageHeight) {}

    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds a picture under `key`; false, with nothing added, when the key is
    // taken (keys are compared without regard to case).
    bool Add(Text key, std::shared_ptr<form::Picture> picture);
    // The 1-based index of the picture keyed `key`, 0 when there is none.
    int IndexOfKey(TextView key) const;
    // The picture at a 0-based position; null outside the list.
    const form::Picture* PictureAt(int position) const;

private:
    struct Image {
        Text key;
        std::shared_ptr<form::Picture> picture;
    };
    int width_;
    int height_;
    std::vector<Image> images_;
};

// Keys are equal when they differ only in the case of Latin letters
// (half- or full-width).
bool sameKey(TextView a, TextView b);
// The text with Latin letters upper-cased, as keys are compared.
Text keyFold(TextView key);

}  // namespace pelin::iconmenu
