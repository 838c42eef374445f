#include "app/start/qt_engine.h"

#include <exception>

#include "playback/null_media_control.h"
#include "playback/gst/gst_media_control.h"

namespace solvane {

std::unique_ptr<MediaControl> CreateMediaEngine() {
  try {
    return std::make_unique<GstMediaControl>();
  } catch (const std::exception&) {
    return std::make_unique<NullMediaControl>();
  }
}

}  // namespace solvane
