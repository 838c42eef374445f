#pragma once
// The number of allocations this test program has made through operator new,
// so a test can say that an operation allocates nothing.

namespace solvane::testing {

long AllocationCount();

}  // namespace solvane::testing
