#pragma once
// Every property the player publishes on the desktop's media-control
// interface (MPRIS2), in one table: its interface, name, D-Bus type, whether
// clients may set it, whether a change is announced, and how its value is
// read from a picture of the records. Get, GetAll, PropertiesChanged, Set
// and the introspection all read this table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/desktop/mpris_state.h"

namespace solvane {

enum class MprisInterface { kRoot, kPlayer };

// A property value as D-Bus carries it: b, d, x, s, as, or the metadata map.
using MprisValue =
    std::variant<bool, double, std::int64_t, std::string, std::vector<std::string>, MprisMetadata>;

struct MprisProperty {
  MprisInterface interface;
  std::string_view name;
  std::string_view signature;  // the D-Bus type
  bool writable;
  // Sent in PropertiesChanged when it changes; the position is not (a jump is
  // told by the Seeked signal, and clients read it when they need it).
  bool announced;
  MprisValue (*read)(const MprisSnapshot& now);
};

std::span<const MprisProperty> MprisProperties();

// The row of `name` on `interface`; nothing when there is none.
const MprisProperty* FindMprisProperty(MprisInterface interface, std::string_view name);

// The names of the player-interface properties that differ between what was
// published and `now`, in the table's order; only announced ones count.
std::vector<std::string> ChangedMprisProperties(const MprisSnapshot& published,
                                                const MprisSnapshot& now);

// What a Set call gets, with the error the Properties interface names for
// each refusal.
enum class MprisSetAnswer {
  kApply,            // valid: the caller applies it
  kUnknownProperty,  // org.freedesktop.DBus.Error.UnknownProperty
  kReadOnly,         // org.freedesktop.DBus.Error.PropertyReadOnly
  kInvalidArgs,      // org.freedesktop.DBus.Error.InvalidArgs
};

// Judges a Set of `name` to `value` (nothing when the call carried no value,
// or one of a type the bus cannot map). A value of the wrong type, a loop
// status other than "None", "Track" or "Playlist", a rate outside 1.0 (the
// only rate played) and a volume that is not a number are invalid.
MprisSetAnswer JudgeMprisSet(MprisInterface interface, std::string_view name,
                             const std::optional<MprisValue>& value);

}  // namespace solvane
