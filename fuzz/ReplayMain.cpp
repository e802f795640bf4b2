// Stands in for libFuzzer in the normal build: runs the target over every file named on the
// command line or found in the folders named there, so each test run replays the corpora.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {
std::vector<std::filesystem::path> inputsOf(const std::filesystem::path &where)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(where)) {
        for (const auto &entry : std::filesystem::directory_iterator(where)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
    } else if (std::filesystem::is_regular_file(where)) {
        files.push_back(where);
    }
    return files;
}
} // namespace

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::filesystem::path> files = inputsOf(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "no inputs in %s\n", argv[i]);
            return 2;
        }
        for (const auto &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            std::fprintf(stderr, "%s\n", file.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return count > 0 ? 0 : 2;
}
