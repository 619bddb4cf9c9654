// Runs the fuzz target on a fixed set of pseudo-random inputs, so that its checks run in every
// build, with any compiler, and the same way each time.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
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
    return 0;
}
