#include "app/platform/printer_canvas.h"
#include "print/print_error.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

// A queue whose answers a test sets.
class ScriptedQueue : public PrintQueue
{
public:
    QString before;
    QString after;
    QString refusal(const QPrinter&) override { return before; }
    QString jobRefusal(const QPrinter&) override { return after; }
};

struct QueueCase {
    const char* name;
    QString before;
    QString after;
    QString error; // empty when the job goes through
    bool begun;
};

class PrinterCanvasQueue : public ::testing::TestWithParam<QueueCase>
{};

// A job is not begun on a queue that turns jobs away, and a job the queue
// turned away fails at its end; either way the queue's reason is the error.
TEST_P(PrinterCanvasQueue, AJobTheQueueTurnsAwayFails)
{
    const QueueCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath(QStringLiteral("zadanie.pdf")));
    ScriptedQueue queue;
    queue.before = c.before;
    queue.after = c.after;

    QString error;
    bool begun = false;
    try {
        PrinterCanvas canvas(printer, queue);
        canvas.BeginJob();
        begun = true;
        canvas.PreparePageMetrics();
        canvas.PrintText(10, 10, QStringLiteral("Rachunek nr 7/2009"));
        canvas.EndJob();
    } catch (const PrintError& e) {
        error = e.message();
    }
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(begun, c.begun);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PrinterCanvasQueue,
    ::testing::Values(
        QueueCase{"Taken", {}, {}, {}, true},
        QueueCase{"RefusesJobs", "Kolejka nie przyjmuje zadań.", {}, "Kolejka nie przyjmuje zadań.", false},
        QueueCase{"TurnedTheJobAway", {}, "Kolejka nie przyjęła zadania.", "Kolejka nie przyjęła zadania.", true}),
    [](const auto& instance) { return std::string(instance.param.name); });

// Printing into a file has no queue to ask.
TEST(SystemPrintQueue, HasNothingToSayOfAFile)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(QStringLiteral("/tmp/rachunek.pdf"));
    EXPECT_EQ(systemPrintQueue().refusal(printer), QString());
    EXPECT_EQ(systemPrintQueue().jobRefusal(printer), QString());
}

} // namespace
} // namespace kw
