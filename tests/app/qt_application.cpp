// Compiled into a suite of the Qt side, gives it one QApplication for all its
// tests (see qt_test_support.h).

#include "tests/app/qt_test_support.h"

namespace solvane::testing {
namespace {

[[maybe_unused]] const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
}  // namespace solvane::testing
