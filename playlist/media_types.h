#pragma once
// The one list of media endings the player takes, with the MIME types that
// name them: the browser, Add_All, folder opens, drops, the desktop file and
// the media-control interface all read it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace solvane {

struct MediaType {
  std::u16string_view ending;  // after the last dot, in lower case
  std::array<std::string_view, 3> mimeTypes;  // unused places are empty
};

// The handheld's ten types and the ones a desktop library holds.
inline constexpr std::array<MediaType, 19> kMediaTypes = {{
    {u"avi", {"video/x-msvideo"}},
    {u"wmv", {"video/x-ms-wmv"}},
    {u"mid", {"audio/midi", "audio/x-midi"}},
    {u"aif", {"audio/x-aiff", "audio/aiff"}},
    {u"mp2", {"audio/mp2", "audio/x-mp2"}},
    {u"snd", {"audio/basic"}},
    {u"wav", {"audio/x-wav", "audio/wav", "audio/vnd.wave"}},
    {u"asf", {"video/x-ms-asf"}},
    {u"mp3", {"audio/mpeg", "audio/mp3"}},
    {u"wma", {"audio/x-ms-wma"}},
    {u"flac", {"audio/flac", "audio/x-flac"}},
    {u"ogg", {"audio/ogg", "audio/x-vorbis+ogg"}},
    {u"oga", {"audio/ogg"}},
    {u"opus", {"audio/x-opus+ogg", "audio/opus"}},
    {u"m4a", {"audio/mp4", "audio/x-m4a"}},
    {u"aac", {"audio/aac", "audio/x-aac"}},
    {u"aiff", {"audio/x-aiff", "audio/aiff"}},
    {u"wv", {"audio/x-wavpack"}},
    {u"mka", {"audio/x-matroska"}},
}};

// True when the name's ending after its last dot is one of kMediaTypes',
// whatever its letter case. A name without a dot has no ending.
bool IsMediaFileName(std::u16string_view name);

// Every MIME type of kMediaTypes once, in the list's order.
std::vector<std::string> MediaMimeTypes();

}  // namespace solvane
