#pragma once

#include <QString>

class QPrinter;

namespace kw {

// What the system's print queue says of the printer chosen in the print
// dialog. A queue that turns a job away does so quietly: the print engine
// hands the job over and does not report the answer.
class PrintQueue
{
public:
    virtual ~PrintQueue() = default;
    // Why `printer`'s queue turns new jobs away, as a Polish sentence; empty
    // when it takes them, when the printer writes a file, or when the queue
    // cannot be asked.
    virtual QString refusal(const QPrinter& printer) = 0;
    // Why the job just handed over to `printer`'s queue was turned away;
    // empty when it was taken or the printer writes a file.
    virtual QString jobRefusal(const QPrinter& printer) = 0;
};

// The CUPS queues of the system.
PrintQueue& systemPrintQueue();

} // namespace kw
