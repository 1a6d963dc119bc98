#include "page_plan.h"

#include <map>

namespace pelin::convert {
namespace {

PlannedPage unmarked(const std::filesystem::path& source, const std::filesystem::path& page) {
    return {source, page, PlannedPage::Clash::None, {}};
}

void markClashes(std::vector<PlannedPage>& plan, const FileIdentity& identity) {
    std::map<platform::FileKey, std::vector<std::size_t>> byPage;
    std::map<platform::FileKey, std::size_t> bySource;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        byPage[identity(plan[i].page)].push_back(i);
        bySource.emplace(identity(plan[i].source), i);
    }
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const platform::FileKey page = identity(plan[i].page);
        if (const auto source = bySource.find(page); source != bySource.end()) {
            plan[i].clash = PlannedPage::Clash::ReplacesSource;
            plan[i].clashesWith = plan[source->second].source;
        } else if (const std::vector<std::size_t>& sharing = byPage[page]; sharing.size() > 1) {
            plan[i].clash = PlannedPage::Clash::SharedPage;
            plan[i].clashesWith = plan[sharing[sharing[0] == i ? 1 : 0]].source;
        }
    }
}

}  // namespace

std::filesystem::path pageInFolder(const std::filesystem::path& folder, const std::filesystem::path& source) {
    return folder / source.filename().replace_extension(".htm");
}

std::vector<PlannedPage> planPagesInFolder(const std::filesystem::path& folder,
                                           std::span<const std::filesystem::path> sources,
                                           const FileIdentity& identity) {
    std::vector<PlannedPage> plan;
    for (const std::filesystem::path& source : sources) plan.push_back(unmarked(source, pageInFolder(folder, source)));
    markClashes(plan, identity);
    return plan;
}

std::vector<PlannedPage> planPage(const std::filesystem::path& source, const std::filesystem::path& page,
                                  const FileIdentity& identity) {
    std::vector<PlannedPage> plan{unmarked(source, page)};
    markClashes(plan, identity);
    return plan;
}

}  // namespace pelin::convert
