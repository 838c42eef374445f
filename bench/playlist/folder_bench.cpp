// Listing a big folder opened from outside, and how soon a listing stops once
// the program is asked to end (the target: within 100 ms). The baseline is
// the bare enumeration of the same folder's names; read the figures as ratios.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "base/wide_text.h"
#include "playlist/folder_entries.h"
#include "playlist/qt_name_order.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 20000;

// A folder of kFiles empty media files, made once per run and removed at exit.
class BigFolder {
 public:
  BigFolder() {
    path_ = fs::temp_directory_path() / ("solvane-folder-bench-" + std::to_string(::getpid()));
    fs::create_directories(path_);
    for (int i = 0; i < kFiles; ++i) {
      std::ofstream(path_ / ("track " + std::to_string(i) + ".flac"));
    }
  }
  ~BigFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  const fs::path& Path() const { return path_; }
  std::u16string Wide() const { return solvane::Wide(path_.string() + "/"); }

 private:
  fs::path path_;
};

const BigFolder& Folder() {
  static const BigFolder folder;
  return folder;
}

// The order the player lists in: the user's locale's collation.
const solvane::NameOrder& Order() {
  static const solvane::CollatedNameOrder order;
  return order;
}

void BM_EnumerateNamesOnly(benchmark::State& state) {
  Folder();  // made before the timing starts
  for (auto _ : state) {
    std::size_t count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder().Path())) {
      benchmark::DoNotOptimize(entry.path().filename().native().size());
      ++count;
    }
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_EnumerateNamesOnly)->Unit(benchmark::kMillisecond);

void BM_ListMediaFilesWhole(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(solvane::ListMediaFiles(Folder().Wide(), 300, Order()));
  }
}
BENCHMARK(BM_ListMediaFilesWhole)->Unit(benchmark::kMillisecond);

// The time from the exit request (set by another thread a few milliseconds
// into the listing) to the listing's return.
void BM_ListingStopsAfterExitRequest(benchmark::State& state) {
  for (auto _ : state) {
    std::atomic<bool> ending{false};
    std::atomic<std::chrono::steady_clock::time_point::rep> askedAt{0};
    std::thread exitRequest([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      askedAt = std::chrono::steady_clock::now().time_since_epoch().count();
      ending = true;
    });
    benchmark::DoNotOptimize(
        solvane::ListMediaFiles(Folder().Wide(), 300, Order(), [&ending] { return !ending.load(); }));
    const auto returned = std::chrono::steady_clock::now().time_since_epoch().count();
    exitRequest.join();
    const auto took = std::chrono::steady_clock::duration(returned - askedAt.load());
    state.SetIterationTime(std::chrono::duration<double>(took).count());
  }
}
BENCHMARK(BM_ListingStopsAfterExitRequest)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
