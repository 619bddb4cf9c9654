// Runs the fuzz target on a fixed set of pseudo-random inputs, so that its checks run in every
// build, with any compiler, and the same way each time; then on every input of the corpus kept
// in the directory given, if one is (the inputs the long fuzzing runs found, each reaching some
// path of the drawing code that the others do not).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;  // xorshift64: a fixed sequence of inputs
    auto next = [&state] {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return state;
    };
    constexpr int inputs = 200;
    for (int n = 0; n < inputs; ++n) {
        std::vector<std::uint8_t> input(64 + next() % 448);
        for (auto& byte : input) byte = std::uint8_t(next());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%d inputs, no fault\n", inputs);
    if (argc < 2) return 0;

    std::error_code error;
    const std::filesystem::directory_iterator corpus(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot read the corpus %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    int replayed = 0;
    for (const auto& entry : corpus) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++replayed;
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no inputs in the corpus %s\n", argv[1]);
        return 1;
    }
    std::printf("%d corpus inputs, no fault\n", replayed);
    return 0;
}
