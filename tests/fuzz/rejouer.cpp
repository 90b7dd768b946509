// The plain-build face of a fuzz target: runs it once on every file of the
// folders (or files) given, in name order, and says how many it read. A broken
// property aborts the run, so ctest reports the failure with its message.

#include "commun.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> fichiers;
    for (int i = 1; i < argc; ++i) {
        const fs::path p(argv[i]);
        if (fs::is_directory(p)) {
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file()) fichiers.push_back(e.path());
        } else if (fs::is_regular_file(p)) {
            fichiers.push_back(p);
        } else {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 2;
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    if (fichiers.empty()) {
        std::fprintf(stderr, "empty corpus\n");
        return 2;
    }
    for (const fs::path& f : fichiers) {
        std::ifstream flux(f, std::ios::binary);
        const std::string octets((std::istreambuf_iterator<char>(flux)),
                                 std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", f.filename().c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    }
    std::printf("%zu inputs replayed\n", fichiers.size());
    return 0;
}
