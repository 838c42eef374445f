#include "tests/integration/engine_rig.h"

#include <chrono>
#include <thread>

#include "playback/poll_tick.h"
#include "base/wide_text.h"

namespace solvane::testing {
namespace {

// The lyric rows of the 480 x 800 face.
constexpr int kLyricRows = 12;

std::unique_ptr<UrlRecordingEngine> MakeHeadlessEngine() {
  UseHeadlessAudio();
  return std::make_unique<UrlRecordingEngine>();
}

}  // namespace

std::int32_t UrlRecordingEngine::PutUrl(std::u16string_view path) {
  const std::int32_t answer = engine.PutUrl(path);
  urls.push_back(Url{WideToUtf8(path).value_or("?"), answer == 0 || answer == 1});
  return answer;
}

EngineRig::EngineRig()
    : media(MakeHeadlessEngine()),
      playback(ContextWith(*media, shell)) {}

void EngineRig::AddTrack(const std::string& name, bool withFile) {
  if (withFile) {
    WriteToneWav(folder.File(name), 1);
  }
  const std::int32_t slot = playlist->playlistCount++;
  WideCopy(playlist->folder[slot], Wide(folder.File("").string()));
  WideCopy(playlist->fileName[slot], Wide(name));
}

void EngineRig::WriteFile(const std::string& name, const std::string& text) const {
  WriteText(folder.File(name), text);
}

std::string EngineRig::PathOf(const std::string& name) const { return folder.File(name).string(); }

const TickSnapshot& EngineRig::Tick() {
  PollTick(playback, kLyricRows);
  TickSnapshot snapshot;
  snapshot.engineState = media->PlayState();
  snapshot.urlCount = media->urls.size();
  snapshot.currentIndex = playlist->currentIndex;
  snapshot.player = player;
  snapshot.headerShown = lyrics.headerShown;
  if (player.lyricsPresent != 0 && lyrics.headerShown == 0 && lyrics.currentLine >= 0 &&
      lyrics.currentLine < lyrics.lineCount) {
    snapshot.litLine = lyrics.lineText[lyrics.currentLine];
    snapshot.litLineTime = lyrics.lineTime[lyrics.currentLine];
  }
  history_.push_back(snapshot);
  return history_.back();
}

bool EngineRig::TickUntil(const std::function<bool(const TickSnapshot&)>& done, int maxTicks) {
  for (int i = 0; i < maxTicks; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (done(Tick())) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> EngineRig::UrlPaths() const {
  std::vector<std::string> paths;
  for (const UrlRecordingEngine::Url& url : media->urls) {
    paths.push_back(url.path);
  }
  return paths;
}

std::string EngineRig::Title() const {
  return WideToUtf8(WideView(player.currentTitle)).value_or("?");
}

}  // namespace solvane::testing
