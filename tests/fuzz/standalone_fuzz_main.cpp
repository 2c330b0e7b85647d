// The runner of a fuzz target where libFuzzer is not at hand (g++ builds): feeds
// the target seeded random inputs, or the files named on the command line (a
// libFuzzer crash file, say).
//
//   TARGET [RUNS [SEED]]     (defaults: 200000 inputs, seed 1)
//   TARGET FILE...
//
// The inputs lean towards what the targets read: digits, points, signs and the
// odd control byte, at lengths around the fields' limit and now and then far
// beyond it.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> RandomInput(std::mt19937_64& random) {
  static constexpr char kNumeric[] = "0123456789.+-";
  static constexpr char kOdd[] = "e \t\b\r\x1b\x7f,\xff\xc3\xa9";
  const auto below = [&random](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  const std::size_t length = below(20) == 0 ? below(600) : below(24);
  std::vector<std::uint8_t> input(length);
  for (std::uint8_t& byte : input) {
    const std::size_t roll = below(10);
    if (roll < 6) {
      byte = static_cast<std::uint8_t>(kNumeric[below(sizeof kNumeric - 1)]);
    } else if (roll < 7) {
      byte = static_cast<std::uint8_t>(kOdd[below(sizeof kOdd - 1)]);
    } else {
      byte = static_cast<std::uint8_t>(below(256));
    }
  }
  return input;
}

int RunFiles(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 2;
    }
    const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%d files, ok\n", argc - 1);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  char* end = nullptr;
  const long runs = argc > 1 ? std::strtol(argv[1], &end, 10) : 200000;
  if (argc > 1 && *end != '\0') return RunFiles(argc, argv);
  const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  std::mt19937_64 random(seed);
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < runs; ++i) {
    const std::vector<std::uint8_t> input = RandomInput(random);
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const char* slash = std::strrchr(argv[0], '/');
  std::printf("%s: %ld inputs, seed %llu, %.1f s, ok\n", slash != nullptr ? slash + 1 : argv[0],
              runs, seed, seconds);
  return 0;
}
