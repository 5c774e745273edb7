#pragma once

#include "app/Tfaktura_f.h"
#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/selection_list.h"
#include "tests/support/failing_file_ops.h"
#include "store/records.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

// A temporary data folder with Admini and Uslugi, scripted dialogs, a fixed
// clock (5 March 2009) and the real main window started on demand. Every file
// call goes through `files`, which fails nothing until a test plans a failure.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        QDir(dir.path()).mkdir(QStringLiteral("Admini"));
        QDir(dir.path()).mkdir(QStringLiteral("Uslugi"));
    }

    QString path(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }

    QByteArray bytes(const QString& relative) const
    {
        QFile f(path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeBytes(const QString& relative, const QByteArray& data) const
    {
        QFile f(path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }

    kw::Tfaktura_f& start(kw::Tfaktura_f::StartMode mode = kw::Tfaktura_f::StartMode::Complete)
    {
        window = std::make_unique<kw::Tfaktura_f>(platform, dir.path(), nullptr, mode);
        return *window;
    }

    const kw::FakturaUi& ui() const { return window->controls(); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock;
    kw::FailingFileOps files;
    RecordingStarter processes;
    kw::Platform platform{dialogs, clock, files, processes};
    std::unique_ptr<kw::Tfaktura_f> window;
};
