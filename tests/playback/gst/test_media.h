#pragma once
// Media for the engine tests: short files written on the spot into a private
// temporary folder, and the tagged fixtures kept in tests/media.

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/fakes/made_folder.h"

namespace solvane::testing {

// A private temporary folder whose files the tests write themselves.
class TempFolder {
 public:
  // Where the file `name` goes; nothing is made.
  std::filesystem::path File(const std::string& name) const { return folder_.Path() / name; }

 private:
  MadeFolder folder_;
};

// A mono 16-bit 8 kHz PCM WAV file holding a quiet tone of `seconds` seconds.
void WriteToneWav(const std::filesystem::path& path, int seconds);

struct PcmLayout {
  std::uint32_t sampleRate;
  std::uint32_t channels;
  std::uint32_t bitsPerSample;  // 8, 16, 24 or 32
};

// A PCM WAV file of that layout holding a quiet tone of `seconds` seconds.
void WritePcmWav(const std::filesystem::path& path, const PcmLayout& layout, int seconds);

// A standard MIDI file holding one note that lasts `seconds` seconds.
void WriteOneNoteMidi(const std::filesystem::path& path, int seconds);

// Writes `text` as the whole content of the file.
void WriteText(const std::filesystem::path& path, const std::string& text);

// A file kept in tests/media.
std::filesystem::path MediaFixture(const std::string& name);

// A file name as a test name: "tone.mp3" gives "tone_mp3".
std::string TestName(std::string fileName);

// The path as the engine takes it.
std::u16string EnginePath(const std::filesystem::path& path);

// Makes the engine play into a real-time fakesink unless the environment
// already chose an output.
void UseHeadlessAudio();

}  // namespace solvane::testing
