// A deterministic stand-in for libFuzzer: runs every seed, then mutations of the seeds (byte
// flips, boundary values, truncation, cut-outs, repeats and random insertions) chosen by the
// program's own generator with a fixed seed, so a failure found in CI happens again on every
// machine. Usage: fuzz_x [--runs N] [--write-seeds DIR] [FILE...] (files are run as they are).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"
#include "util/random.h"

namespace {

void runOne(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

int below(util::Random& random, int n) {
  if (n <= 0) return 0;
  const int big = random.next() * 32768 + random.next();  // 0 .. 2^30 - 1
  return big % n;
}

std::string mutate(std::string input, util::Random& random) {
  const int edits = 1 + below(random, 4);
  for (int e = 0; e < edits; ++e) {
    const int size = static_cast<int>(input.size());
    switch (below(random, 7)) {
      case 0:  // flip one bit
        if (size > 0) input[below(random, size)] ^= static_cast<char>(1 << below(random, 8));
        break;
      case 1: {  // a boundary value
        static const unsigned char kValues[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, '\n', '=', '"'};
        if (size > 0) input[below(random, size)] = static_cast<char>(kValues[below(random, 8)]);
        break;
      }
      case 2:  // truncate
        input.resize(below(random, size + 1));
        break;
      case 3:  // cut a piece out
        if (size > 0) {
          const int at = below(random, size);
          input.erase(at, 1 + below(random, size - at));
        }
        break;
      case 4:  // repeat a piece
        if (size > 0) {
          const int at = below(random, size);
          const std::string piece = input.substr(at, 1 + below(random, 16));
          input.insert(below(random, size + 1), piece);
        }
        break;
      case 5:  // insert random bytes
        for (int i = 1 + below(random, 8); i > 0; --i)
          input.insert(input.begin() + below(random, static_cast<int>(input.size()) + 1),
                       static_cast<char>(below(random, 256)));
        break;
      default:  // a 32-bit field set to a large value
        if (size >= 4) {
          const int at = below(random, size - 3);
          const unsigned char big[] = {0xFF, 0xFF, 0xFF,
                                       static_cast<unsigned char>(below(random, 2) ? 0x7F : 0xFF)};
          std::memcpy(&input[at], big, 4);
        }
        break;
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  long runs = 2000;
  std::string writeSeeds;
  std::string slowDir;  // --keep-slow DIR: inputs that take over a second are written there
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--runs" && i + 1 < argc) {
      runs = std::strtol(argv[++i], nullptr, 10);
    } else if (a == "--keep-slow" && i + 1 < argc) {
      slowDir = argv[++i];
    } else if (a == "--write-seeds" && i + 1 < argc) {
      writeSeeds = argv[++i];
    } else {
      files.push_back(a);
    }
  }
  const std::vector<std::string> seeds = QvFuzzSeeds();
  if (!writeSeeds.empty()) {
    std::filesystem::create_directories(writeSeeds);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
      std::ofstream(writeSeeds + "/seed" + std::to_string(i), std::ios::binary) << seeds[i];
    }
    return 0;
  }
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    runOne(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  for (const std::string& seed : seeds)
    runOne(seed);
  util::Random random;
  random.seed(20261207);
  const std::vector<std::string> pool = seeds.empty() ? std::vector<std::string>{""} : seeds;
  for (long i = 0; i < runs; ++i) {
    const std::string input = mutate(pool[below(random, static_cast<int>(pool.size()))], random);
    const auto start = std::chrono::steady_clock::now();
    runOne(input);
    if (!slowDir.empty() && std::chrono::steady_clock::now() - start > std::chrono::seconds(1)) {
      std::filesystem::create_directories(slowDir);
      std::ofstream(slowDir + "/slow" + std::to_string(i), std::ios::binary) << input;
    }
  }
  std::printf("%zu seeds and %ld mutations ran\n", seeds.size(), runs);
  return 0;
}
