#include "text/editor_text.h"

#include <gtest/gtest.h>

namespace pelin::text {
namespace {

TEST(EditorText, PositionsAcrossLineBreaks) {
    const std::u16string model = u"ab\r\ncd\nef\r\n";
    // Model → editor → model for every position in the model text.
    const int expected[] = {0, 1, 2, 2, 3, 4, 5, 6, 7, 8, 8, 9};
    for (int i = 0; i <= static_cast<int>(model.size()); ++i) EXPECT_EQ(editorPosition(model, i), expected[i]) << i;
    const int back[] = {0, 1, 2, 4, 5, 6, 7, 8, 9, 11};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(modelPosition(model, i), back[i]) << i;
    EXPECT_EQ(modelPosition(model, 99), static_cast<int>(model.size()));
    EXPECT_EQ(editorPosition(model, -5), 0);
}

}  // namespace
}  // namespace pelin::text
