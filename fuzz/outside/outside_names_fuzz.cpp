// Arbitrary bytes as the names and messages that come from outside the
// player: a command-line argument, an MPRIS OpenUri, and the message a later
// start sends over the socket. Nothing may crash, a name read is a whole
// UTF-16 path without a NUL, and a message read frames back to itself.

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/instance/qt_handover.h"
#include "base/wide_text.h"
#include "views/outside_paths.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// A path read from outside has a UTF-8 form (so it names exactly one file)
// and holds no NUL (which would cut it short on the way to the system).
void CheckPath(const std::optional<std::u16string>& path) {
  if (!path) {
    return;
  }
  Check(!path->empty());
  Check(path->find(u'\0') == std::u16string::npos);
  Check(solvane::WideToUtf8(*path).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckPath(solvane::CommandLinePath(text));
  const std::optional<std::u16string> uriPath = solvane::FileUriPath(text);
  CheckPath(uriPath);
  if (uriPath) {
    Check(uriPath->front() == u'/');
  }

  const QByteArrayView body(data, static_cast<qsizetype>(size));
  if (const std::optional<solvane::Handover> read = solvane::ReadHandover(body)) {
    const QByteArray framed = solvane::FrameHandover(*read);
    const std::optional<solvane::Handover> again =
        solvane::ReadHandover(QByteArrayView(framed).sliced(solvane::kHandoverLengthBytes));
    Check(again.has_value() && again->id == read->id && again->launchedMs == read->launchedMs &&
          again->paths == read->paths);
  }
  return 0;
}
