#pragma once
// Arbitrary bytes as a settings file, read and written: aborts, naming what broke,
// when a read or a write does what the settings file must never do. Run by the
// settings fuzz target and by the tests on the inputs that once broke it.
#include <string_view>

namespace pelin::testing {

void checkSettingsInput(std::string_view input);

}  // namespace pelin::testing
