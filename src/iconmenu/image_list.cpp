#include "iconmenu/image_list.h"

#include <algorithm>

namespace pelin::iconmenu {

namespace {

char16_t upper(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    if (c >= u'ａ' && c <= u'ｚ') return static_cast<char16_t>(c - u'ａ' + u'Ａ');
    return c;
}

}  // namespace

Text keyFold(TextView key) {
    Text folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(), upper);
    return folded;
}

bool sameKey(TextView a, TextView b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return upper(x) == upper(y); });
}

bool ImageList::Add(Text key, std::shared_ptr<form::Picture> picture) {
    if (IndexOfKey(key) != 0) return false;
    images_.push_back({std::move(key), std::move(picture)});
    return true;
}

int ImageList::IndexOfKey(TextView key) const {
    for (std::size_t i = 0; i < images_.size(); ++i)
        if (sameKey(images_[i].key, key)) return static_cast<int>(i) + 1;
    return 0;
}

const form::Picture* ImageList::PictureAt(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return images_[static_cast<std::size_t>(position)].picture.get();
}

}  // namespace pelin::iconmenu
