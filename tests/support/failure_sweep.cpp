#include "tests/support/failure_sweep.h"

#include <cstring>

namespace kw {

std::string describe(const InjectedFailure& failure)
{
    return std::string(fileCallName(failure.call)) + " #" + std::to_string(failure.n) + " failing with " +
        strerrorname_np(failure.error);
}

std::vector<InjectedFailure> everyFailureOf(FailingFileOps& ops, const std::function<void()>& prepare,
                                            const std::function<void()>& operation, const std::vector<FileCall>& kinds,
                                            const std::vector<int>& errors)
{
    prepare();
    ops.reset();
    operation();
    std::vector<InjectedFailure> failures;
    for (FileCall call : kinds) {
        for (int n = 1; n <= ops.count(call); ++n) {
            for (int error : errors)
                failures.push_back({call, n, error});
        }
    }
    ops.reset();
    return failures;
}

} // namespace kw
