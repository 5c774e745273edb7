#pragma once

#include <QString>

#include <stdexcept>

namespace kw {

// The one error of every file operation; its message names the file and the
// reason in Polish, ready to be shown to the user as it is.
class IoError : public std::runtime_error
{
public:
    explicit IoError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// The reason for a failed system call, in Polish.
QString describeErrno(int error);

} // namespace kw
