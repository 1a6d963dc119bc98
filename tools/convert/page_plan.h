#pragma once
// Where each source's page goes, decided for the whole batch before anything is
// written, so that no page is written over another page of the same run or over
// one of its sources.
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "platform/files.h"

namespace pelin::convert {

struct PlannedPage {
    enum class Clash {
        None,
        SharedPage,      // another source of the run would get the same page
        ReplacesSource,  // the page would be written over a source of the run (maybe its own)
    };
    std::filesystem::path source;
    std::filesystem::path page;
    Clash clash = Clash::None;
    std::filesystem::path clashesWith;  // the other source, or the source it would replace
};

// The page of `source` in `folder`: its name with the extension ".htm" in place of its own.
std::filesystem::path pageInFolder(const std::filesystem::path& folder, const std::filesystem::path& source);

// What tells one file from another, however its path was written.
using FileIdentity = std::function<platform::FileKey(const std::filesystem::path&)>;

// The pages of `sources` in `folder` (or the one page `page` of the one source)
// with every clash marked. Only the sources whose page is written over by nothing
// else, and that overwrites nothing of the run, are left without a clash.
std::vector<PlannedPage> planPagesInFolder(const std::filesystem::path& folder,
                                           std::span<const std::filesystem::path> sources,
                                           const FileIdentity& identity);
std::vector<PlannedPage> planPage(const std::filesystem::path& source, const std::filesystem::path& page,
                                  const FileIdentity& identity);

}  // namespace pelin::convert
