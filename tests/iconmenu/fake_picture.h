#pragma once
// Pictures of a given size, and image lists keyed by menu captions.
#include <initializer_list>
#include <memory>

#include "form/controls.h"
#include "iconmenu/image_list.h"

namespace pelin::testing {

struct SizedPicture : form::Picture {
    SizedPicture(int w, int h) : w_(w), h_(h) {}
    int width() const override { return w_; }
    int height() const override { return h_; }

private:
    int w_;
    int h_;
};

// A list of `width` × `height` pictures, one under each key, in this order.
inline iconmenu::ImageList makeImageList(int width, int height, std::initializer_list<text::TextView> keys) {
    iconmenu::ImageList list(width, height);
    for (text::TextView key : keys) list.Add(text::Text(key), std::make_shared<SizedPicture>(width, height));
    return list;
}

}  // namespace pelin::testing
