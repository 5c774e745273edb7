#include "cli_arguments.h"

#include "cli_error.h"
#include "command_line.h"
#include "yearly_summary.h"

#include <QRegularExpression>

namespace kw {

namespace {

const QStringList commandWords = {QStringLiteral("list"), QStringLiteral("summary"), QStringLiteral("pdf"),
                                  QStringLiteral("words"), QStringLiteral("--help"), QStringLiteral("-h"),
                                  QStringLiteral("--version"), QStringLiteral("settings"),
                                  QStringLiteral("clients"), QStringLiteral("services")};

[[noreturn]] void wrongCall(const QString& command)
{
    throw CommandLineError(QStringLiteral("Nieprawidłowe wywołanie polecenia %1; opis poleceń: kwitarnia --help.")
                               .arg(command));
}

void expectCount(const QStringList& args, qsizetype minimum, qsizetype maximum)
{
    if (args.size() < minimum || args.size() > maximum)
        wrongCall(args.first());
}

QString checkedYear(const QString& text)
{
    static const QRegularExpression year(QStringLiteral(R"(^\d{4}$)"));
    if (!year.match(text).hasMatch())
        throw CommandLineError(QStringLiteral("Nieprawidłowy rok „%1”: podaj rok czterema cyframi, np. 2009.").arg(text));
    return text;
}

QString checkedMonth(const QString& text)
{
    static const QRegularExpression month(QStringLiteral(R"(^\d{4}-(0[1-9]|1[0-2])$)"));
    if (!month.match(text).hasMatch())
        throw CommandLineError(
            QStringLiteral("Nieprawidłowy miesiąc „%1”: podaj go jako RRRR-MM, np. 2009-03.").arg(text));
    return text;
}

std::optional<qint64> checkedPosition(const QString& text)
{
    if (text == QLatin1String("last"))
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral(R"(^\d+$)"));
    bool ok = false;
    const qint64 position = text.toLongLong(&ok);
    if (!digits.match(text).hasMatch() || !ok)
        throw CommandLineError(
            QStringLiteral("Nieprawidłowa pozycja „%1”: podaj numer pozycji z listy (kwitarnia list) lub last.")
                .arg(text));
    return position;
}

// A sign, digits and a decimal point or comma; nothing else, so a typing
// error is reported instead of being read as a smaller amount.
double checkedAmount(const QString& text)
{
    static const QRegularExpression amount(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)$)"));
    if (!amount.match(text).hasMatch())
        throw CommandLineError(QStringLiteral("Nieprawidłowa kwota „%1”: podaj liczbę, np. 1234,56.").arg(text));
    QString number = text;
    return number.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

bool isCommandLine(const QStringList& args) { return !args.isEmpty() && commandWords.contains(args.first()); }

CliRequest parseCommandLine(const QStringList& args)
{
    CliRequest request;
    const QString command = args.value(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        expectCount(args, 1, 1);
        request.command = CliCommand::Help;
    } else if (command == QLatin1String("--version")) {
        expectCount(args, 1, 1);
        request.command = CliCommand::Version;
    } else if (command == QLatin1String("list")) {
        expectCount(args, 1, 1);
        request.command = CliCommand::List;
    } else if (command == QLatin1String("summary")) {
        expectCount(args, 2, 3);
        request.command = CliCommand::Summary;
        request.year = checkedYear(args[1]);
        request.client = args.size() == 3 ? args[2] : anyClient();
    } else if (command == QLatin1String("pdf")) {
        if (args.value(1) == QLatin1String("--month")) {
            expectCount(args, 4, 4);
            request.command = CliCommand::PdfMonth;
            request.month = checkedMonth(args[2]);
            request.outputFile = args[3];
        } else {
            expectCount(args, 3, 3);
            request.command = CliCommand::PdfPosition;
            request.position = checkedPosition(args[1]);
            request.outputFile = args[2];
        }
    } else if (command == QLatin1String("words")) {
        expectCount(args, 2, 2);
        request.command = CliCommand::Words;
        request.amount = checkedAmount(args[1]);
    } else if (command == QLatin1String("settings")) {
        expectCount(args, 1, 1);
        request.command = CliCommand::Settings;
    } else if (command == QLatin1String("clients") || command == QLatin1String("services")) {
        expectCount(args, 3, 3);
        if (args[1] == QLatin1String("import"))
            request.command = CliCommand::ListImport;
        else if (args[1] == QLatin1String("export"))
            request.command = CliCommand::ListExport;
        else
            wrongCall(command);
        request.list = command == QLatin1String("clients") ? SlotListKind::Clients : SlotListKind::Services;
        request.csvFile = args[2];
    } else {
        throw CommandLineError(QStringLiteral("Nieznane polecenie „%1”; opis poleceń: kwitarnia --help.").arg(command));
    }
    return request;
}

} // namespace kw
