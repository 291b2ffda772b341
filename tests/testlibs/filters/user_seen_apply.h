#pragma once
// Times the apply as the user sees it against a plain floor; prints, asserts nothing.
namespace tzp::testing {
void TimeUserSeenApply(int rounds);
}
