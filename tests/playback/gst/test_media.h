#pragma once
// Media for the engine tests: short files written on the spot into a private
// temporary folder, and the tagged fixtures kept in tests/media.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// One second of a quiet tone, tagged with the title "Harbour Lights", the
// artist "Mira Okafor" and the album "Tide Tables", encoded by the GStreamer
// elements `encoder` ("flacenc", "vorbisenc ! oggmux", ...) into `path`.
// False when the pipeline could not be built or failed.
bool WriteEncodedTone(const std::filesystem::path& path, const std::string& encoder);

// The endings a desktop library holds beyond the handheld's ten, each with
// the elements that encode a file of it.
struct EncodedType {
  const char* ending;
  const char* encoder;
  bool tagsKept;      // the container keeps the tags the tone is given
  bool taglibKnows;   // TagLib 1.13 reads the container (no ADTS, no Matroska)
  // The length is known once the file is open; an ADTS stream says none, and
  // the engine tells it later.
  bool lengthAtOnce = true;
};

inline constexpr EncodedType kDesktopTypes[] = {
    {"flac", "flacenc", true, true},
    {"ogg", "vorbisenc ! oggmux", true, true},
    {"oga", "vorbisenc ! oggmux", true, true},
    {"opus", "opusenc ! oggmux", true, true},
    {"m4a", "avenc_aac ! mp4mux", false, true},
    {"aac", "avenc_aac ! aacparse ! audio/mpeg,stream-format=adts", false, false, false},
    {"aiff", "aiffmux", false, true},
    {"wv", "wavpackenc ! apev2mux", true, true},
    {"mka", "vorbisenc ! matroskamux", true, false},
};

// A file kept in tests/media.
std::filesystem::path MediaFixture(const std::string& name);

// A file name as a test name: "tone.mp3" gives "tone_mp3".
std::string TestName(std::string fileName);

// The path as the engine takes it.
std::u16string EnginePath(const std::filesystem::path& path);

// Makes the engine play into a real-time fakesink unless the environment
// already chose an output.
void UseHeadlessAudio();

// Asks `condition` every 10 ms until it holds; false when it still did not
// after `limit`, a deadline generous enough for a loaded machine.
bool PollUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace solvane::testing
