#pragma once

#include "store/io_error.h"

namespace kw {

// A print job that could not be started or did not complete. It is an
// IoError, so the window's general error handler shows it like any other
// failed file operation.
class PrintError : public IoError
{
public:
    using IoError::IoError;
};

} // namespace kw
