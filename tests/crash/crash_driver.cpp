// Stores, overwrites and deletes documents and rewrites the settings in a
// loop on a data folder, as the window does, through the store alone. Each
// operation is announced in a side log before it starts and marked there
// once it returned, so a test that kills the driver at any moment knows what
// must be on disk.
//
//   crash_driver DATA_FOLDER LOG FIRST_ID SEED [MILLISECONDS]
//
// Runs until killed, or for MILLISECONDS and then exits with 0. Exits with 2
// on any error other than a refused change, printing it.

#include "tests/crash/crash_documents.h"
#include "tests/crash/crash_log.h"

#include "store/document_file.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/record_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

using namespace kw;

namespace {

class Driver
{
public:
    Driver(const QString& folder, const QString& log, qint64 firstId, quint32 seed)
        : paths_(folder), documents_(systemFileOps(), paths_), log_(log), nextId_(firstId), random_(seed)
    {}

    void step()
    {
        const qint64 count = documents_.count();
        const int roll = random_.bounded(100);
        if (count < 4 || (count < 30 && roll < 45))
            store();
        else if (roll < 75)
            change('O', count);
        else
            change('D', count);
    }

private:
    // A new document and then the numbers in the settings.
    void store()
    {
        const qint64 id = nextId_++;
        log_.line("I A " + QByteArray::number(id));
        if (!attempt([&] { documents_.append(crash::document(id)); }))
            return;
        log_.line("I S " + QByteArray::number(id));
        attempt([&] {
            RecordFile(systemFileOps(), paths_.settingsFile(), settings::Size).replace(crash::settings(id).bytes());
        });
    }

    // A loaded document overwritten or deleted a moment later, the way a
    // user does it; another instance may change the file in between.
    void change(char kind, qint64 count)
    {
        const qint64 position = 2 + random_.bounded(count - 1);
        DocumentRecord loaded;
        try {
            loaded = documents_.read(position);
        } catch (const IoError&) {
            return; // the file shrank meanwhile
        }
        QThread::usleep(random_.bounded(3000));
        const QByteArray oldId = QByteArray::number(crash::idOf(loaded.bytes()));
        if (kind == 'O') {
            const qint64 id = nextId_++;
            log_.line("I O " + oldId + ' ' + QByteArray::number(id));
            attempt([&] { documents_.overwrite(position, crash::document(id), loaded); }, position);
        } else {
            log_.line("I D " + oldId);
            attempt([&] { documents_.remove(position, loaded); }, position);
        }
    }

    // Runs one operation and logs its outcome; a change of the document at
    // `position` may be refused.
    template <class F>
    bool attempt(F operation, qint64 position = 0)
    {
        try {
            operation();
        } catch (const IoError& e) {
            if (position > 0 && e.message() == documentChangedNotice(documents_.path(), position)) {
                log_.line("R");
                return false;
            }
            if (e.message() == documentBusyNotice(documents_.path())) {
                log_.line("B");
                return false;
            }
            throw;
        }
        log_.line("C");
        return true;
    }

    DataPaths paths_;
    DocumentFile documents_;
    crash::LogWriter log_;
    qint64 nextId_;
    QRandomGenerator random_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: crash_driver DATA_FOLDER LOG FIRST_ID SEED [MILLISECONDS]\n");
        return 1;
    }
    try {
        Driver driver(args[1], args[2], args[3].toLongLong(), args[4].toUInt());
        // Tells the test that the program is loaded and the loop begins.
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        const qint64 duration = args.value(5).toLongLong();
        QElapsedTimer timer;
        timer.start();
        while (duration == 0 || timer.elapsed() < duration)
            driver.step();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "crash_driver: %s\n", e.what());
        return 2;
    }
    return 0;
}
