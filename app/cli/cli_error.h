#pragma once

#include <QString>

#include <stdexcept>

namespace kw {

// A command that cannot be carried out as asked (wrong arguments, a document
// that is not there, a missing data file). The message is one Polish
// sentence, shown to the user as it is.
class CommandLineError : public std::runtime_error
{
public:
    explicit CommandLineError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace kw
