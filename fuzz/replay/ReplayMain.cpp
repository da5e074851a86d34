// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every file of the corpus folders given to a fuzz target once, so the
// seeds and every crash found earlier are checked on each test run with the
// normal compiler.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR...\n", argv[0]);
        return 2;
    }
    int count = 0;
    for (int dir = 1; dir < argc; ++dir)
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[dir])) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    std::printf("replayed %d inputs\n", count);
    return count > 0 ? 0 : 1;
}
