// The updater's comparison: the CRC-32 of a 256 MiB data file, read in
// 8192-byte chunks through the platform's file reading exactly as the
// version comparison reads it, measured against a plain read pass over the
// same file with the same chunks in the same run.
//
// Counters of BM_DataFileCrc32, per iteration: crc_MBps and plain_MBps
// (the two throughputs, MiB per second), ratio = CRC time / plain time. The
// reported time is the CRC pass alone. The file lies in the system's
// temporary folder and is read from its cache after the first pass.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "sim/linked/sim_platform.h"
#include "web/updater/file_crc.h"

namespace {

constexpr uint64_t kFileBytes = 256ull << 20;

class BigFile {
 public:
  BigFile() : path_("/tmp/quorlan_crc_bench_" + std::to_string(::getpid()) + ".bin") {
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path_.c_str(), "wb"), &std::fclose);
    std::vector<unsigned char> block(1 << 20);
    uint32_t seed = 12345;
    for (uint64_t written = 0; out && written < kFileBytes; written += block.size()) {
      for (unsigned char& byte : block) byte = static_cast<unsigned char>((seed = seed * 1103515245 + 12345) >> 24);
      std::fwrite(block.data(), 1, block.size(), out.get());
    }
  }
  ~BigFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// The same chunks as the comparison, only read.
bool PlainPass(const std::string& path) {
  const std::unique_ptr<platform::ReadableFile> file = platform::Get().OpenBinaryFile(path);
  if (!file) return false;
  std::vector<char> buffer(updater::kCrcChunkSize);
  for (;;) {
    uint32_t read = 0;
    if (!file->Read(buffer.data(), updater::kCrcChunkSize, &read)) return false;
    benchmark::DoNotOptimize(buffer.data());
    if (read == 0) return true;
  }
}

void BM_DataFileCrc32(benchmark::State& state) {
  sim::Os os;
  sim::SimPlatform platform(os);
  platform::Install(&platform);
  const BigFile file;
  double crc = 0, plain = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const std::optional<uint32_t> value = updater::FileCrc32(file.path());
    const auto crcDone = std::chrono::steady_clock::now();
    if (!value || !PlainPass(file.path())) state.SkipWithError("the file could not be read");
    const auto plainDone = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(value);
    crc += Seconds(crcDone - start);
    plain += Seconds(plainDone - crcDone);
    state.SetIterationTime(Seconds(crcDone - start));
  }
  const double mebibytes = static_cast<double>(kFileBytes) / (1 << 20);
  const double n = static_cast<double>(state.iterations());
  state.counters["crc_MBps"] = mebibytes * n / crc;
  state.counters["plain_MBps"] = mebibytes * n / plain;
  state.counters["ratio"] = crc / plain;
  state.SetBytesProcessed(static_cast<int64_t>(n * static_cast<double>(kFileBytes)));
}
BENCHMARK(BM_DataFileCrc32)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
