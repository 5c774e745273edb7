#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// Starts a program of the suite without waiting for it.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;
    // Starts the program named by arguments[0] in `folder`, with the other
    // arguments, and returns at once. Returns false and sets `reason` (Polish,
    // to follow "Nie można uruchomić programu ...: ") when it cannot start.
    virtual bool start(const QString& folder, const QStringList& arguments, QString& reason) = 0;
};

// Starts the program found in `folder` (name matched without regard to
// case) without a shell: directly when the file is executable, otherwise, or
// when the system refuses to run it, through `wine` found on PATH.
class SystemProcessStarter : public ProcessStarter
{
public:
    bool start(const QString& folder, const QStringList& arguments, QString& reason) override;
};

} // namespace kw
