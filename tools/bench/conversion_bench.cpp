// Times the conversion of generated code page 932 text of 1, 8 and 64 MB in each
// line-break mode with the special-character pass on, and a plain copy of the same
// file by cat as the floor. Every run happens in a child process, so the peak
// memory reported is that run's own.
//
//   pelin-bench-convert [--sizes 1,8,64] [--dir FOLDER] [--check]
//
// --check exits non-zero when 64 MB in BR mode takes 1 s or more, or a run adds
// four times the source size or more to the memory it started with.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/conversion_run.h"
#include "text/textfile.h"

namespace {

using namespace pelin;

// Japanese and ASCII lines of 20 to 120 characters with CR LF, "&", "×", "÷" and
// "±" sprinkled in; deterministic for a given size.
std::string generateSource(std::size_t bytes) {
    const std::u16string japanese = u"ぺりんはテキストをページに変換します日本語漢字カタカナ、。「」";
    const std::string ascii = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJ 0123456789 <>\"',.";
    const std::u16string special = u"&×÷±";
    std::mt19937 rng(932);
    std::string out;
    out.reserve(bytes + 256);
    std::u16string line;
    while (out.size() < bytes) {
        line.clear();
        const int length = std::uniform_int_distribution<int>(20, 120)(rng);
        const bool isJapanese = rng() % 2 == 0;
        for (int i = 0; i < length; ++i) {
            if (rng() % 40 == 0)
                line += special[rng() % special.size()];
            else if (isJapanese)
                line += japanese[rng() % japanese.size()];
            else
                line += static_cast<char16_t>(ascii[rng() % ascii.size()]);
        }
        text::appendToCp932(line, out);
        out += "\r\n";
    }
    return out;
}

struct Measurement {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

// Runs `work` in a child process and measures its wall time and peak memory.
template <typename Work>
Measurement inChild(Work&& work) {
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) _exit(work() ? 0 : 1);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Measurement m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKiB = usage.ru_maxrss;
    m.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return m;
}

std::vector<int> parseSizes(const std::string& list) {
    std::vector<int> sizes;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) sizes.push_back(std::atoi(item.c_str()));
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes{1, 8, 64};
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "pelin-bench";
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--sizes" && i + 1 < argc) sizes = parseSizes(argv[++i]);
        else if (arg == "--dir" && i + 1 < argc) dir = argv[++i];
        else if (arg == "--check") check = true;
        else {
            std::fprintf(stderr, "usage: %s [--sizes 1,8,64] [--dir FOLDER] [--check]\n", argv[0]);
            return 2;
        }
    }
    std::filesystem::create_directories(dir);
    bool failed = false;
    // What a child process holds before it does anything; subtracted from the
    // peaks so that small inputs are not judged by the program's own size.
    const double baseMiB = inChild([] { return true; }).peakKiB / 1024.0;
    std::printf("base memory of a run: %.1f MiB\n", baseMiB);
    std::printf("%-7s %-5s %9s %9s %9s %10s\n", "size", "run", "seconds", "MB/s", "peak MiB", "added/src");
    std::map<std::string, double> previousSeconds;
    int previousSize = 0;
    for (int mb : sizes) {
        const std::size_t bytes = static_cast<std::size_t>(mb) * 1024 * 1024;
        const std::filesystem::path source = dir / ("source-" + std::to_string(mb) + ".txt");
        const std::filesystem::path page = dir / "page.htm";
        {
            std::string data = generateSource(bytes);
            std::ofstream(source, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
        }
        const double sourceMiB = static_cast<double>(std::filesystem::file_size(source)) / (1024.0 * 1024.0);
        auto print = [&](const char* name, const Measurement& m) {
            std::printf("%4d MB %-5s %9.3f %9.1f %9.1f %10.2f%s\n", mb, name, m.seconds, sourceMiB / m.seconds,
                        m.peakKiB / 1024.0, (m.peakKiB / 1024.0 - baseMiB) / sourceMiB, m.ok ? "" : "  FAILED");
        };
        print("cat", inChild([&] {
                  std::string command = "cat '" + source.string() + "' > '" + page.string() + "'";
                  return std::system(command.c_str()) == 0;
              }));
        for (auto [name, br, p] : {std::tuple{"BR", u"True", u"False"}, {"P", u"False", u"True"},
                                   {"PRE", u"False", u"False"}}) {
            Measurement m = inChild([&] {
                engine::ConversionSettings s;
                s.Lang = 1;
                s.WebTitle = u"ベンチマーク";
                s.Charset = u"Shift_JIS";
                s.BASEFont = 3;
                s.BR = br;
                s.P = p;
                s.SpecialFont = 1;
                s.HTMLCFile = text::fromPath(source);
                s.HTMLFilePass = text::fromPath(page);
                s.FileSize = static_cast<std::int32_t>(std::filesystem::file_size(source));
                return engine::runConversion(s).ok();
            });
            print(name, m);
            // Below a few MB the fixed cost of a run (code page tables, buffers)
            // outweighs the text, so memory is judged from 8 MB up.
            if (!m.ok || (mb >= 8 && m.peakKiB / 1024.0 - baseMiB >= 4 * sourceMiB)) failed = true;
            if (mb == 64 && std::string(name) == "BR" && m.seconds >= 1.0) failed = true;
            // Growing the input eightfold may grow the time at most eightfold (+25 %).
            auto& previous = previousSeconds[name];
            if (previous > 0 && previousSize >= 8 && mb == 8 * previousSize && m.seconds > previous * 8 * 1.25) failed = true;
            previous = m.seconds;
        }
        previousSize = mb;
    }
    std::filesystem::remove_all(dir);
    if (failed) std::printf("targets missed: 64 MB BR under 1 s, added memory under 4x source, linear time\n");
    return check && failed ? 1 : 0;
}
