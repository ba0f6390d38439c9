// The fuzz targets' properties on every build, not only under `make fuzz`:
// each target on its committed seeds and on random inputs of a fixed seed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

// Each target's entry point, renamed for this build (CMakeLists.txt).
extern "C" int Fuzz_ascii_body(const uint8_t* data, size_t size);
extern "C" int Fuzz_code_methods(const uint8_t* data, size_t size);
extern "C" int Fuzz_command_line(const uint8_t* data, size_t size);
extern "C" int Fuzz_key_notation(const uint8_t* data, size_t size);
extern "C" int Fuzz_lenient_number(const uint8_t* data, size_t size);
extern "C" int Fuzz_list_lines(const uint8_t* data, size_t size);
extern "C" int Fuzz_mailslot(const uint8_t* data, size_t size);
extern "C" int Fuzz_number_conversion(const uint8_t* data, size_t size);

namespace {

TEST(FuzzTargets, SeedsAndRandomInputsKeepTheProperties) {
    const std::pair<const char*, int (*)(const uint8_t*, size_t)> targets[] = {
        {"ascii_body", Fuzz_ascii_body}, {"code_methods", Fuzz_code_methods}, {"command_line", Fuzz_command_line},
        {"key_notation", Fuzz_key_notation}, {"lenient_number", Fuzz_lenient_number}, {"list_lines", Fuzz_list_lines},
        {"mailslot", Fuzz_mailslot}, {"number_conversion", Fuzz_number_conversion}};
    std::mt19937 rng(2024);
    for (const auto& [name, target] : targets) {
        SCOPED_TRACE(name);  // a broken property aborts the run, naming it on stderr
        int seeds = 0;
        for (const auto& seed : std::filesystem::directory_iterator(std::string(WF_FUZZ_CORPUS) + "/" + name)) {
            std::ifstream file(seed.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            target(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++seeds;
        }
        EXPECT_GT(seeds, 0);
        for (int n = 0; n < 3000; ++n) {
            std::vector<uint8_t> bytes(rng() % 80);
            for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
            target(bytes.data(), bytes.size());
        }
    }
}

}  // namespace
