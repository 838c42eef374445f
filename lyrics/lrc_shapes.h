#pragma once
// LRC files as today's tools write them. The ten-byte time tag is the only
// shape the parser knows; a file in which none stands is brought into that
// form first, read as those tools read it:
// - a time tag is "[" minutes (one to three digits) ":" seconds (two digits),
//   then nothing or "." or ":" and one to three digits of fraction, "]";
//   its value is truncated to tenths;
// - several tags at a line's start each give the text after the last of
//   them, as lines in the file's order;
// - word timings ("<01:02.39>") are taken out of the text;
// - "[offset:N]" (milliseconds, "+" or "-" allowed; a positive value shows
//   the lines earlier) moves every time, none below 0;
// - a time the ten-byte form cannot hold (past 99:99.9) is left out.
// Lines without a tag at their start (header tags among them) stay as they
// are.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace solvane {

// True when at least one ten-byte time tag stands in `text`.
bool HasTenByteTimeTag(std::string_view text);

// A file whose lines end with CR alone (no LF anywhere) ends its lines at
// each CR: those CRs become LFs, in place. The size does not change.
void EndLinesAtLoneCarriageReturns(std::uint8_t* bytes, std::size_t size);

// `text` (a file without ten-byte tags) in the ten-byte form.
std::string ToTenByteForm(std::string_view text);

}  // namespace solvane
