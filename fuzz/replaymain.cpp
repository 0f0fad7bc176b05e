// Replays inputs through a fuzz target without libFuzzer: every file named, and every file in
// every folder named, is fed once to LLVMFuzzerTestOneInput. Used by the normal test build, so
// that the committed corpus and the reproducers of past crashes run under the sanitizers.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(path)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
    } else if (std::filesystem::is_regular_file(path)) {
        inputs.push_back(path);
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : inputsOf(argv[i])) {
            std::ifstream stream(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
            std::fprintf(stderr, "replay %s (%zu bytes)\n", input.c_str(), bytes.size());
            // A null pointer for no bytes, as libFuzzer may hand it.
            LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : reinterpret_cast<const uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::fprintf(stderr, "%zu inputs replayed\n", replayed);
    // A target without inputs tests nothing: its corpus is missing.
    return replayed > 0 ? 0 : 1;
}
