#include "app/desktop/mpris_properties.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "playlist/media_types.h"

namespace solvane {
namespace {

constexpr double kOnlyRate = 1.0;

using Now = const MprisSnapshot&;

constexpr MprisInterface kRoot = MprisInterface::kRoot;
constexpr MprisInterface kPlayer = MprisInterface::kPlayer;

const std::array kProperties = {
    MprisProperty{kRoot, "CanQuit", "b", false, true, [](Now) { return MprisValue(true); }},
    MprisProperty{kRoot, "CanRaise", "b", false, true, [](Now) { return MprisValue(true); }},
    MprisProperty{kRoot, "HasTrackList", "b", false, true, [](Now) { return MprisValue(false); }},
    MprisProperty{kRoot, "Identity", "s", false, true,
                  [](Now) { return MprisValue(std::string("Solvane")); }},
    MprisProperty{kRoot, "DesktopEntry", "s", false, true,
                  [](Now) { return MprisValue(std::string("solvane")); }},
    MprisProperty{kRoot, "SupportedUriSchemes", "as", false, true,
                  [](Now) { return MprisValue(std::vector<std::string>{"file"}); }},
    MprisProperty{kRoot, "SupportedMimeTypes", "as", false, true,
                  [](Now) { return MprisValue(MediaMimeTypes()); }},
    MprisProperty{kPlayer, "PlaybackStatus", "s", false, true,
                  [](Now now) { return MprisValue(now.playbackStatus); }},
    MprisProperty{kPlayer, "LoopStatus", "s", true, true,
                  [](Now now) { return MprisValue(now.loopStatus); }},
    MprisProperty{kPlayer, "Rate", "d", true, true, [](Now) { return MprisValue(kOnlyRate); }},
    MprisProperty{kPlayer, "Shuffle", "b", true, true, [](Now now) { return MprisValue(now.shuffle); }},
    MprisProperty{kPlayer, "Metadata", "a{sv}", false, true,
                  [](Now now) { return MprisValue(now.metadata); }},
    MprisProperty{kPlayer, "Volume", "d", true, true, [](Now now) { return MprisValue(now.volume); }},
    MprisProperty{kPlayer, "Position", "x", false, false,
                  [](Now now) { return MprisValue(now.positionMicros); }},
    MprisProperty{kPlayer, "MinimumRate", "d", false, true, [](Now) { return MprisValue(kOnlyRate); }},
    MprisProperty{kPlayer, "MaximumRate", "d", false, true, [](Now) { return MprisValue(kOnlyRate); }},
    MprisProperty{kPlayer, "CanGoNext", "b", false, true,
                  [](Now now) { return MprisValue(now.canGoNext); }},
    MprisProperty{kPlayer, "CanGoPrevious", "b", false, true,
                  [](Now now) { return MprisValue(now.canGoPrevious); }},
    MprisProperty{kPlayer, "CanPlay", "b", false, true, [](Now now) { return MprisValue(now.canPlay); }},
    MprisProperty{kPlayer, "CanPause", "b", false, true,
                  [](Now now) { return MprisValue(now.canPause); }},
    MprisProperty{kPlayer, "CanSeek", "b", false, true, [](Now now) { return MprisValue(now.canSeek); }},
    MprisProperty{kPlayer, "CanControl", "b", false, true, [](Now) { return MprisValue(true); }},
};

// The variant alternative a D-Bus type is carried in.
bool HoldsType(const MprisValue& value, std::string_view signature) {
  if (signature == "b") return std::holds_alternative<bool>(value);
  if (signature == "d") return std::holds_alternative<double>(value);
  if (signature == "x") return std::holds_alternative<std::int64_t>(value);
  if (signature == "s") return std::holds_alternative<std::string>(value);
  return false;
}

bool ValidValue(std::string_view name, const MprisValue& value) {
  if (name == "LoopStatus") {
    const std::string& status = std::get<std::string>(value);
    return status == "None" || status == "Track" || status == "Playlist";
  }
  if (name == "Rate") {
    return std::get<double>(value) == kOnlyRate;
  }
  if (name == "Volume") {
    return !std::isnan(std::get<double>(value));
  }
  return true;
}

}  // namespace

std::span<const MprisProperty> MprisProperties() { return kProperties; }

const MprisProperty* FindMprisProperty(MprisInterface interface, std::string_view name) {
  const auto found = std::find_if(kProperties.begin(), kProperties.end(),
                                  [interface, name](const MprisProperty& property) {
                                    return property.interface == interface && property.name == name;
                                  });
  return found == kProperties.end() ? nullptr : &*found;
}

std::vector<std::string> ChangedMprisProperties(const MprisSnapshot& published,
                                                const MprisSnapshot& now) {
  std::vector<std::string> changed;
  for (const MprisProperty& property : kProperties) {
    if (property.interface == kPlayer && property.announced &&
        property.read(published) != property.read(now)) {
      changed.emplace_back(property.name);
    }
  }
  return changed;
}

MprisSetAnswer JudgeMprisSet(MprisInterface interface, std::string_view name,
                             const std::optional<MprisValue>& value) {
  const MprisProperty* property = FindMprisProperty(interface, name);
  if (property == nullptr) {
    return MprisSetAnswer::kUnknownProperty;
  }
  if (!property->writable) {
    return MprisSetAnswer::kReadOnly;
  }
  if (!value || !HoldsType(*value, property->signature) || !ValidValue(name, *value)) {
    return MprisSetAnswer::kInvalidArgs;
  }
  return MprisSetAnswer::kApply;
}

}  // namespace solvane
