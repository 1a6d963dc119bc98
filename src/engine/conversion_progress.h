#pragma once
// What every stage of a conversion run shares: how far it has come (and whether
// it is to stop), how it ended, which addresses become links, and the size of
// the blocks the source is read in.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace pelin::engine {

// How far a run has come: `done` of the source's `total` bytes converted. It is
// called on the run's own thread after every block, and while the encoding is
// being found (with `done` 0); returning false stops the run.
using ConversionProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

enum class Completion { Finished, Stopped };

// Which addresses in the body become links (see engine/addresses.h).
struct Links {
    bool web = false;
    bool mail = false;
};

inline constexpr std::size_t kBlockSize = std::size_t{1} << 20;

}  // namespace pelin::engine
