// ending STATUS [WORDS...]: notes its run in runs.txt of the working folder, says
// WORDS on standard output if there are any, and ends with STATUS. Stands in
// for a test program in the checks of cmake/wine-run.sh.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    if (std::FILE* runs = std::fopen("runs.txt", "a")) {
        std::fputs("run\n", runs);
        std::fclose(runs);
    }
    for (int i = 2; i < argc; ++i) std::printf("%s%s", argv[i], i + 1 < argc ? " " : "\n");
    return std::atoi(argv[1]);
}
