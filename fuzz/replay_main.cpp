// Runs saved inputs through the harnesses without libFuzzer, so that every seed and every
// input that once failed goes through the readers again under the sanitizers as a test:
//   fuzz_replay <harness> <file or folder>...   every file given or inside a folder given
//   fuzz_replay --list                          the harnesses' names
//   fuzz_replay --write-corpus <folder>         writes the seed corpus (make_corpus.cpp)
// A folder that does not exist holds no inputs. The harness aborts on a broken promise and
// the sanitizers on a fault, so reaching the end means every input passed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace mv::fuzz {
namespace {

std::map<std::string, TTargetFn>& Targets() {
    static std::map<std::string, TTargetFn> targets;
    return targets;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        std::exit(2);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int WriteCorpus(const std::filesystem::path& dir);

bool RegisterTarget(const char* name, TTargetFn fn) {
    Targets()[name] = fn;
    return true;
}

}  // namespace mv::fuzz

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace mv::fuzz;
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const auto& entry : Targets()) std::printf("%s\n", entry.first.c_str());
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--write-corpus") return WriteCorpus(argv[2]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_replay <harness> <file or folder>... | --list\n");
        return 2;
    }
    const auto target = Targets().find(argv[1]);
    if (target == Targets().end()) {
        std::fprintf(stderr, "no harness named %s\n", argv[1]);
        return 2;
    }
    std::vector<fs::path> files;
    for (int i = 2; i < argc; ++i) {
        const fs::path path(argv[i]);
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::recursive_directory_iterator(path)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
        } else if (fs::exists(path)) {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string bytes = ReadAll(file);
        std::fprintf(stderr, "%s\n", file.c_str());
        target->second(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%s: %zu inputs passed\n", argv[1], files.size());
    return 0;
}
