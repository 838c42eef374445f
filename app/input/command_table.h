#pragma once
// The menu commands and the two the program sends to itself, dispatched by id
// through one table.

#include "app/input/input_context.h"

namespace solvane {

// Runs the action of command `id`. Returns false for an id the table does not
// hold, which is ignored.
bool DispatchCommand(InputContext& context, int id);

}  // namespace solvane
