#!/bin/sh
# Regenerates the small media files the engine tests play. Needs gst-launch-1.0
# (gstreamer1.0-tools), the good/bad/ugly/libav plugins, g++ and libtag1-dev.
# The tests only read the results; nothing here runs during a build or a test.
set -eu
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tags='tags="title=\"Harbour Lights\",artist=\"Mira Okafor\",album=\"Tide Tables\""'
tone() {  # tone SECONDS RATE CHANNELS: one second is one buffer
  echo "audiotestsrc num-buffers=$1 samplesperbuffer=$2 volume=0.2 ! audio/x-raw,rate=$2,channels=$3 ! audioconvert"
}

gst-launch-1.0 -q $(tone 1 44100 2) ! lamemp3enc target=bitrate bitrate=128 cbr=true \
  ! taginject "$tags" ! id3v2mux ! filesink location="$out/tagged.mp3"
gst-launch-1.0 -q $(tone 1 44100 2) ! avenc_wmav2 bitrate=64000 \
  ! taginject "$tags" ! asfmux ! filesink location="$out/tagged.wma"

# A variable bit rate MP3 with no Xing or VBRI header (lamemp3enc writes none):
# nothing in the file says how long it is, and its first frame is far larger
# than the rest, so a length taken from that frame's bit rate is 0.6 s, not 4 s.
gst-launch-1.0 -q $(tone 4 44100 2) ! lamemp3enc ! id3v2mux \
  ! filesink location="$out/vbr_headerless.mp3"

# Neither muxer writes the encoded-by tag and TagLib cannot read the album that
# asfmux writes, so TagLib writes the whole set afterwards.
cat >"$work/write_tags.cpp" <<'CPP'
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>
int main(int argc, char** argv) {
  const char* keys[] = {"TITLE", "ARTIST", "ALBUM", "ENCODEDBY"};
  for (int i = 5; i < argc; ++i) {
    TagLib::FileRef file(argv[i]);
    if (file.isNull()) return 1;
    TagLib::PropertyMap properties = file.file()->properties();
    for (int k = 0; k < 4; ++k)
      properties.replace(keys[k], TagLib::StringList(TagLib::String(argv[k + 1], TagLib::String::UTF8)));
    file.file()->setProperties(properties);
    if (!file.save()) return 1;
  }
  return 0;
}
CPP
g++ -o "$work/write_tags" "$work/write_tags.cpp" $(pkg-config --cflags --libs taglib)
"$work/write_tags" "Harbour Lights" "Mira Okafor" "Tide Tables" "Solvane Fixtures" \
  "$out/tagged.mp3" "$out/tagged.wma"

# One second of sound in each of the other containers the browser lists
# (WAV and MIDI files are written by the tests themselves).
gst-launch-1.0 -q $(tone 1 8000 1) ! aiffmux ! filesink location="$out/tone.aif"
gst-launch-1.0 -q $(tone 1 8000 1) ! avmux_au ! filesink location="$out/tone.snd"
gst-launch-1.0 -q $(tone 1 32000 1) ! twolamemp2enc bitrate=32 ! filesink location="$out/tone.mp2"
gst-launch-1.0 -q $(tone 1 8000 1) ! avimux ! filesink location="$out/tone.avi"
gst-launch-1.0 -q $(tone 1 22050 1) ! avenc_wmav2 bitrate=32000 ! asfmux ! filesink location="$out/tone.wmv"
gst-launch-1.0 -q $(tone 1 22050 1) ! avenc_wmav2 bitrate=32000 ! asfmux ! filesink location="$out/tone.asf"
