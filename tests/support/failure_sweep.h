#pragma once

#include "tests/support/failing_file_ops.h"

#include <functional>
#include <string>
#include <vector>

namespace kw {

// One call of an operation made to fail: call number `n` of kind `call`,
// failing with `error`.
struct InjectedFailure {
    FileCall call;
    int n;
    int error;
};

std::string describe(const InjectedFailure& failure);

// Runs `prepare` and then `operation` once without failures to count the
// calls it makes, and returns one failure for each call of the given kinds
// and each errno, ready to be injected in turn with FailingFileOps::failAt.
std::vector<InjectedFailure> everyFailureOf(FailingFileOps& ops, const std::function<void()>& prepare,
                                            const std::function<void()>& operation, const std::vector<FileCall>& kinds,
                                            const std::vector<int>& errors);

} // namespace kw
