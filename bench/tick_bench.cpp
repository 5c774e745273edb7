// The cost of one 100 ms tick of the real main window (offscreen): commands,
// cash payment term, line totals, bill total and words.

#include "app/Tfaktura_f.h"
#include "app/platform/qt_dialogs.h"
#include "app/widgets/bill_grid.h"
#include "handoff/process_starter.h"
#include "store/file_ops.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

kw::Tfaktura_f* window = nullptr;

void BM_Timer2Timer(benchmark::State& state)
{
    const kw::FakturaUi& ui = window->controls();
    ui.tabela->item(1, 4)->setText(QStringLiteral("   2.00"));
    ui.tabela->item(1, 5)->setText(QStringLiteral("   10.00"));
    ui.tabela->item(2, 4)->setText(QStringLiteral("1,5"));
    ui.tabela->item(2, 5)->setText(QStringLiteral("249.99"));
    for (auto _ : state)
        window->Timer2Timer();
}
BENCHMARK(BM_Timer2Timer)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Admini"));
    QDir(folder.path()).mkdir(QStringLiteral("Uslugi"));
    kw::QtDialogs dialogs;
    kw::Clock clock;
    kw::SystemProcessStarter processes;
    kw::Platform platform{dialogs, clock, kw::systemFileOps(), processes};
    kw::Tfaktura_f faktura_f(platform, folder.path());
    faktura_f.show();
    window = &faktura_f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
