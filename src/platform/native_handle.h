#pragma once
// The one call the shared reading code (input_file.cpp) needs from each system's
// side: not part of the platform's interface (files.h).
#include <cstdint>

namespace pelin::platform {

// What InputFile holds when it holds nothing (INVALID_HANDLE_VALUE on Windows).
inline constexpr std::intptr_t kNoHandle = -1;

// Closes a descriptor or handle that InputFile held; kNoHandle is left alone.
void closeNativeHandle(std::intptr_t handle);

}  // namespace pelin::platform
