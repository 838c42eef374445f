#include "tests/face/gui_environment.h"

namespace solvane::testing {
namespace {

[[maybe_unused]] ::testing::Environment* const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
}  // namespace solvane::testing
