#include "resources/demo/demo_song.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace solvane::demo {
namespace {

constexpr std::uint32_t kTicksPerBeat = 480;
constexpr int kBeatsPerMinute = 90;
constexpr std::uint32_t kBeatsPerBar = 4;
// Two beats of accompaniment before the first sung line.
constexpr std::uint32_t kIntroBeats = 2;

constexpr int kMelodyChannel = 0;
constexpr int kChordChannel = 1;
constexpr int kFlute = 73;  // General MIDI programs, counted from 0
constexpr int kPiano = 0;

struct Note {
  int pitch;     // MIDI note number; middle C is 60
  int eighths;   // length in eighth notes
};

enum class Chord { kC, kG, kAm, kF };

struct Bar {
  Chord chord;
  std::vector<Note> melody;  // eight eighths in all
  std::string_view words;
};

// The song, a bar a line; the lines are short enough for one row of the face.
const std::array<Bar, 12>& Score() {
  static const std::array<Bar, 12> score = {{
      {Chord::kC, {{64, 1}, {64, 1}, {67, 1}, {69, 1}, {67, 4}}, "Paper lanterns"},
      {Chord::kG, {{67, 1}, {65, 1}, {64, 1}, {62, 1}, {62, 4}}, "on the river"},
      {Chord::kAm, {{64, 1}, {64, 1}, {67, 1}, {72, 1}, {71, 2}, {69, 2}},
       "every light"},
      {Chord::kF, {{69, 1}, {67, 1}, {65, 1}, {64, 1}, {65, 4}}, "a little letter"},
      {Chord::kC, {{64, 1}, {67, 1}, {72, 2}, {71, 1}, {69, 1}, {67, 2}},
       "Hum along now"},
      {Chord::kG, {{67, 1}, {69, 1}, {71, 2}, {74, 2}, {71, 2}}, "watch them glow"},
      {Chord::kF, {{72, 1}, {72, 1}, {69, 1}, {67, 1}, {65, 2}, {69, 2}},
       "line by line"},
      {Chord::kG, {{67, 2}, {65, 1}, {64, 1}, {62, 4}}, "right in time"},
      {Chord::kAm, {{69, 1}, {69, 1}, {72, 1}, {69, 1}, {67, 4}}, "Songs in a folder"},
      {Chord::kF, {{65, 1}, {67, 1}, {69, 2}, {72, 2}, {69, 2}}, "lyrics by their side"},
      {Chord::kG, {{67, 1}, {67, 1}, {72, 1}, {74, 1}, {76, 2}, {74, 2}},
       "open, play, sing"},
      {Chord::kC, {{72, 2}, {67, 2}, {72, 4}}, "lanterns shining"},
  }};
  return score;
}

// Bass note and the three notes of the chord above it.
std::array<int, 4> ChordNotes(Chord chord) {
  switch (chord) {
    case Chord::kC:
      return {48, 60, 64, 67};
    case Chord::kG:
      return {43, 59, 62, 67};
    case Chord::kAm:
      return {45, 60, 64, 69};
    case Chord::kF:
      return {41, 60, 65, 69};
  }
  return {48, 60, 64, 67};
}

struct Event {
  std::uint32_t tick;
  std::vector<std::uint8_t> bytes;
};

class Track {
 public:
  void Add(std::uint32_t tick, std::vector<std::uint8_t> bytes) {
    events_.push_back(Event{tick, std::move(bytes)});
  }

  void AddNote(int channel, int pitch, int velocity, std::uint32_t start, std::uint32_t length) {
    const auto status = static_cast<std::uint8_t>(channel);
    Add(start, {static_cast<std::uint8_t>(0x90 | status), static_cast<std::uint8_t>(pitch),
                static_cast<std::uint8_t>(velocity)});
    // A little short of the full length, so repeated notes are heard apart.
    Add(start + length - length / 16,
        {static_cast<std::uint8_t>(0x80 | status), static_cast<std::uint8_t>(pitch), 0});
  }

  // The track's bytes: events in time order (those at the same tick in the
  // order they were added), each after its delta time, then the end of track.
  std::vector<std::uint8_t> Bytes() {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const Event& a, const Event& b) { return a.tick < b.tick; });
    std::vector<std::uint8_t> out;
    std::uint32_t now = 0;
    for (const Event& event : events_) {
      PutDelta(out, event.tick - now);
      now = event.tick;
      out.insert(out.end(), event.bytes.begin(), event.bytes.end());
    }
    PutDelta(out, kTicksPerBeat);
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
  }

 private:
  // A variable-length quantity: seven bits a byte, most significant first.
  static void PutDelta(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::array<std::uint8_t, 5> groups{};
    std::size_t count = 0;
    do {
      groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
      value >>= 7;
    } while (value != 0);
    while (count > 1) {
      out.push_back(static_cast<std::uint8_t>(0x80 | groups[--count]));
    }
    out.push_back(groups[0]);
  }

  std::vector<Event> events_;
};

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
  }
}

void PutText(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

std::uint32_t BarStart(std::size_t bar) {
  return (kIntroBeats + kBeatsPerBar * static_cast<std::uint32_t>(bar)) * kTicksPerBeat;
}

void AddChord(Track& track, Chord chord, std::uint32_t start, std::uint32_t length) {
  const std::array<int, 4> notes = ChordNotes(chord);
  track.AddNote(kChordChannel, notes[0], 70, start, length);
  for (std::size_t i = 1; i < notes.size(); ++i) {
    track.AddNote(kChordChannel, notes[i], 48, start, length);
  }
}

}  // namespace

std::vector<std::uint8_t> DemoSongMidi() {
  Track track;
  constexpr std::uint32_t kMicrosecondsPerBeat = 60'000'000 / kBeatsPerMinute;
  track.Add(0, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(kMicrosecondsPerBeat >> 16),
                static_cast<std::uint8_t>(kMicrosecondsPerBeat >> 8),
                static_cast<std::uint8_t>(kMicrosecondsPerBeat)});
  track.Add(0, {static_cast<std::uint8_t>(0xC0 | kMelodyChannel), kFlute});
  track.Add(0, {static_cast<std::uint8_t>(0xC0 | kChordChannel), kPiano});

  constexpr std::uint32_t kHalfBar = kBeatsPerBar * kTicksPerBeat / 2;
  // The intro: the first chord alone.
  AddChord(track, Score().front().chord, 0, kIntroBeats * kTicksPerBeat);
  for (std::size_t bar = 0; bar < Score().size(); ++bar) {
    const std::uint32_t start = BarStart(bar);
    AddChord(track, Score()[bar].chord, start, kHalfBar);
    AddChord(track, Score()[bar].chord, start + kHalfBar, kHalfBar);
    std::uint32_t at = start;
    for (const Note& note : Score()[bar].melody) {
      const std::uint32_t length = static_cast<std::uint32_t>(note.eighths) * kTicksPerBeat / 2;
      track.AddNote(kMelodyChannel, note.pitch, 96, at, length);
      at += length;
    }
  }
  // The last chord rings for a bar.
  AddChord(track, Chord::kC, BarStart(Score().size()), kBeatsPerBar * kTicksPerBeat);

  const std::vector<std::uint8_t> events = track.Bytes();
  std::vector<std::uint8_t> file;
  PutText(file, "MThd");
  PutBigEndian(file, 6, 4);
  PutBigEndian(file, 0, 2);  // format 0: one track
  PutBigEndian(file, 1, 2);
  PutBigEndian(file, kTicksPerBeat, 2);
  PutText(file, "MTrk");
  PutBigEndian(file, static_cast<std::uint32_t>(events.size()), 4);
  file.insert(file.end(), events.begin(), events.end());
  return file;
}

int LyricLineCount() { return static_cast<int>(Score().size()); }

int LyricLineStart(int line) {
  const std::uint32_t beats = BarStart(static_cast<std::size_t>(line)) / kTicksPerBeat;
  return static_cast<int>(beats * 6000 / kBeatsPerMinute);
}

std::string DemoSongLyrics() {
  std::string text = "[ti:Paper Lanterns]\r\n[ar:Solvane]\r\n[al:Solvane Demo]\r\n";
  for (int line = 0; line < LyricLineCount(); ++line) {
    const int hundredths = LyricLineStart(line);
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "[%02d:%02d.%02d]", hundredths / 6000,
                  (hundredths / 100) % 60, hundredths % 100);
    text += stamp;
    text += Score()[static_cast<std::size_t>(line)].words;
    text += "\r\n";
  }
  return text;
}

}  // namespace solvane::demo
