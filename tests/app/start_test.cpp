// Starting pelin where no window can be shown.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Runs pelin with `environment` in front of it; its output and exit status.
std::string run(const std::string& environment) {
    const std::string command =
        "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY " + environment + " '" PELIN_PATH "' 2>&1; echo \"status $?\"";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        ::pclose(pipe);
    }
    return output;
}

TEST(Start, ADisplayThatCannotBeReachedIsNoDisplay) {
    for (const char* display : {"DISPLAY=", "DISPLAY=:4711"}) {
        const std::string said = run(display);
        EXPECT_NE(said.find("pelin: 画面がありません"), std::string::npos) << display << ": " << said;
        EXPECT_NE(said.find("status 2"), std::string::npos) << display << ": " << said;
    }
}

}  // namespace
