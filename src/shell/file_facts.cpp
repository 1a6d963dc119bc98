#include "shell/file_facts.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "text/textfile.h"

namespace pelin::shell {

namespace fs = std::filesystem;

namespace {

Text ascii(const char* s) { return text::fromUtf8(s); }

std::time_t toTimeT(fs::file_time_type when) {
    const auto system = std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::file_clock::to_sys(when));
    return std::chrono::system_clock::to_time_t(system);
}

}  // namespace

Text formatByteCount(std::uintmax_t bytes) {
    std::string digits = std::to_string(bytes);
    for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), 1, ',');
    return ascii(digits.c_str()) + u" バイト";
}

Text formatLocalTime(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return ascii(buffer);
}

FileFacts gatherFileFacts(TextView path) {
    FileFacts out;
    if (path.empty()) {
        out.title = u"ファイルのプロパティ";
        out.problem = u"ファイルが指定されていません。";
        return out;
    }
    const fs::path file = text::toPath(path);
    Text name = text::fromPath(file.filename());
    if (name.empty()) name = Text(path);
    out.title = name + u"のプロパティ";

    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) {
        out.problem = u"ファイルが見つかりません。\n" + Text(path);
        return out;
    }
    const bool folder = fs::is_directory(status);
    out.facts.push_back({u"名前", name});
    out.facts.push_back({u"種類", folder ? Text(u"フォルダー") : Text(u"ファイル")});
    out.facts.push_back({u"場所", text::fromPath(fs::absolute(file, ec).parent_path())});
    if (!folder) {
        const std::uintmax_t size = fs::file_size(file, ec);
        out.facts.push_back({u"サイズ", ec ? Text(u"不明") : formatByteCount(size)});
    }
    const fs::file_time_type changed = fs::last_write_time(file, ec);
    out.facts.push_back({u"更新日時", ec ? Text(u"不明") : formatLocalTime(toTimeT(changed))});
    // A file that grants no one write permission is read-only, as the program's
    // own saving treats it.
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const bool readOnly = (status.permissions() & anyWrite) == fs::perms::none;
    out.facts.push_back({u"属性", readOnly ? Text(u"読み取り専用") : Text(u"読み取り専用ではありません")});
    return out;
}

}  // namespace pelin::shell
