#include "app/cli/cli_arguments.h"

#include "app/cli/cli_error.h"
#include "app/cli/command_line.h"
#include "documents/yearly_summary.h"
#include "editing/amount_text.h"
#include "store/field_check.h"
#include "store/records.h"

#include <QDate>
#include <QMap>
#include <QRegularExpression>

namespace kw {

namespace {

const QStringList commandWords = {QStringLiteral("list"),     QStringLiteral("summary"), QStringLiteral("pdf"),
                                  QStringLiteral("words"),    QStringLiteral("backup"),  QStringLiteral("mail"),
                                  QStringLiteral("--help"),   QStringLiteral("-h"),      QStringLiteral("--version"),
                                  QStringLiteral("settings"), QStringLiteral("clients"), QStringLiteral("services"),
                                  QStringLiteral("restore"),  QStringLiteral("copy"),    QStringLiteral("new"),
                                  QStringLiteral("paid"),     QStringLiteral("unpaid")};

const QString csvOption = QStringLiteral("--csv");
const QString xlsxOption = QStringLiteral("--xlsx");
const QString monthOption = QStringLiteral("--month");
const QString endOfOptions = QStringLiteral("--");
const QString dateOption = QStringLiteral("--date");
const QString serviceDateOption = QStringLiteral("--service-date");
const QString templateOption = QStringLiteral("--template");
const QString lineOption = QStringLiteral("--line");
const QString unpaidOption = QStringLiteral("--unpaid");
const QString overdueOption = QStringLiteral("--overdue");
// Options whose value is the next word, whatever it is.
const QStringList valueOptions = {dateOption, serviceDateOption, templateOption, lineOption};
constexpr qsizetype maxBillLines = 3;

[[noreturn]] void wrongCall(const QString& command)
{
    throw CommandLineError(
        QStringLiteral("Nieprawidłowe wywołanie polecenia %1; opis poleceń: kwitarnia --help.").arg(command));
}

// The words after the command: its options (with the file that may follow
// --csv or --xlsx) and its arguments, in order.
struct CommandWords {
    QString command;
    QStringList arguments;
    QStringList options;
    QString tableFile;
    QMap<QString, QStringList> values;

    bool has(const QString& option) const { return options.contains(option); }

    // The value of an option that may be given once; empty when it is not.
    QString single(const QString& option) const
    {
        const QStringList given = values.value(option);
        if (given.size() > 1)
            throw CommandLineError(QStringLiteral("Opcję %1 polecenia %2 można podać tylko raz.").arg(option, command));
        return given.value(0);
    }

    // Throws unless every option is one of `allowed` and the argument count
    // lies between `minimum` and `maximum`.
    void expect(const QStringList& allowed, qsizetype minimum, qsizetype maximum) const
    {
        for (const QString& option : options) {
            if (!allowed.contains(option))
                throw CommandLineError(
                    QStringLiteral("Nieznana opcja „%1” polecenia %2; opis poleceń: kwitarnia --help.")
                        .arg(option, command));
        }
        if (arguments.size() < minimum || arguments.size() > maximum)
            wrongCall(command);
    }
};

CommandWords splitWords(const QStringList& args)
{
    CommandWords words;
    words.command = args.value(0);
    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& word = args[i];
        if (optionsEnded || !word.startsWith(endOfOptions)) {
            words.arguments.append(word);
        } else if (word == endOfOptions) {
            optionsEnded = true;
        } else if (valueOptions.contains(word)) {
            words.options.append(word);
            if (i + 1 == args.size())
                throw CommandLineError(QStringLiteral("Po opcji %1 polecenia %2 brakuje wartości; opis poleceń: "
                                                      "kwitarnia --help.")
                                           .arg(word, words.command));
            words.values[word].append(args[++i]);
        } else {
            words.options.append(word);
            // The word after --csv or --xlsx, unless it is an option, names the file.
            if ((word == csvOption || word == xlsxOption) && i + 1 < args.size() &&
                !args[i + 1].startsWith(endOfOptions))
                words.tableFile = args[++i];
        }
    }
    return words;
}

QString checkedYear(const QString& text)
{
    static const QRegularExpression year(QStringLiteral(R"(^\d{4}$)"));
    if (!year.match(text).hasMatch())
        throw CommandLineError(
            QStringLiteral("Nieprawidłowy rok „%1”: podaj rok czterema cyframi, np. 2009.").arg(text));
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
QString checkedAmount(const QString& text)
{
    static const QRegularExpression amount(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)$)"));
    if (!amount.match(text).hasMatch())
        throw CommandLineError(QStringLiteral("Nieprawidłowa kwota „%1”: podaj liczbę, np. 1234,56.").arg(text));
    return text;
}

QString checkedDate(const QString& text)
{
    static const QRegularExpression date(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}$)"));
    if (!date.match(text).hasMatch() || !QDate::fromString(text, Qt::ISODate).isValid())
        throw CommandLineError(
            QStringLiteral("Nieprawidłowa data „%1”: podaj ją jako RRRR-MM-DD, np. 2009-03-05.").arg(text));
    return text;
}

// A quantity or price of a typed line: empty, or a number and nothing else,
// so that a typing error is reported instead of being stored as a smaller
// amount or as zero.
void checkLineAmount(const QString& caption, const QString& text, const QString& line)
{
    static const QRegularExpression amount(QStringLiteral(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)\s*$)"));
    if (text.trimmed().isEmpty() || (amount.match(text).hasMatch() && leadingAmount(text)))
        return;
    throw CommandLineError(QStringLiteral("Nieprawidłowa wartość „%1” w polu „%2” wiersza „%3”: podaj liczbę "
                                          "(z przecinkiem lub kropką dziesiętną), np. 1,5.")
                               .arg(text, caption, line));
}

TypedBillLine checkedLine(const QString& text)
{
    static const std::array<QString, 5> captions = {QStringLiteral("Nazwa usługi"), QStringLiteral("PKWiU"),
                                                    QStringLiteral("J.m"), QStringLiteral("Ilość"),
                                                    QStringLiteral("Brutto")};
    const QStringList fields = text.split(QLatin1Char(';'));
    if (fields.size() != qsizetype(captions.size()))
        throw CommandLineError(QStringLiteral("Nieprawidłowy wiersz rachunku „%1”: podaj pięć pól rozdzielonych "
                                              "średnikami, NAZWA;PKWIU;JM;ILOŚĆ;CENA (podano pól: %2).")
                                   .arg(text)
                                   .arg(fields.size()));
    TypedBillLine line;
    for (size_t column = 0; column < captions.size(); ++column) {
        const QString problem =
            storageProblem(captions[column], lineCell(LineTable::Bill, int(column) + 1, 1), fields[qsizetype(column)]);
        if (!problem.isEmpty())
            throw CommandLineError(problem);
        line[column] = fields[qsizetype(column)];
    }
    checkLineAmount(captions[3], line[3], text);
    checkLineAmount(captions[4], line[4], text);
    return line;
}

QList<TypedBillLine> checkedLines(const QStringList& texts)
{
    if (texts.size() > maxBillLines)
        throw CommandLineError(QStringLiteral("Rachunek ma %1 wiersze, a opcję --line podano %2 razy.")
                                   .arg(maxBillLines)
                                   .arg(texts.size()));
    QList<TypedBillLine> lines;
    for (const QString& text : texts)
        lines.append(checkedLine(text));
    return lines;
}

void takeDates(const CommandWords& words, CliRequest& request)
{
    request.issueDate = words.single(dateOption);
    if (words.values.contains(dateOption))
        checkedDate(request.issueDate);
    request.serviceDate = words.single(serviceDateOption);
    if (words.values.contains(serviceDateOption))
        checkedDate(request.serviceDate);
}

} // namespace

bool isCommandLine(const QStringList& args)
{
    // Options meant for the window start with a dash; any other first word
    // is a command, and a mistyped one is reported rather than opening the
    // window.
    return !args.isEmpty() && (commandWords.contains(args.first()) || !args.first().startsWith(QLatin1Char('-')));
}

CliRequest parseCommandLine(const QStringList& args)
{
    const CommandWords words = splitWords(args);
    const QStringList& arguments = words.arguments;
    CliRequest request;
    const QString& command = words.command;
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        words.expect({}, 0, 0);
        request.command = CliCommand::Help;
    } else if (command == QLatin1String("--version")) {
        words.expect({}, 0, 0);
        request.command = CliCommand::Version;
    } else if (command == QLatin1String("list")) {
        words.expect({csvOption, xlsxOption}, 0, 0);
        request.command = CliCommand::List;
    } else if (command == QLatin1String("summary")) {
        words.expect({csvOption, xlsxOption}, 1, 2);
        request.command = CliCommand::Summary;
        request.year = checkedYear(arguments[0]);
        request.client = arguments.size() == 2 ? arguments[1] : anyClient();
    } else if (command == QLatin1String("pdf")) {
        words.expect({monthOption}, 2, 2);
        if (words.has(monthOption)) {
            request.command = CliCommand::PdfMonth;
            request.month = checkedMonth(arguments[0]);
        } else {
            request.command = CliCommand::PdfPosition;
            request.position = checkedPosition(arguments[0]);
        }
        request.outputFile = arguments[1];
    } else if (command == QLatin1String("words")) {
        words.expect({}, 1, 1);
        request.command = CliCommand::Words;
        request.amount = checkedAmount(arguments[0]);
    } else if (command == QLatin1String("backup")) {
        words.expect({}, 1, 1);
        request.command = CliCommand::Backup;
        request.outputFile = arguments[0];
    } else if (command == QLatin1String("restore")) {
        words.expect({}, 2, 2);
        request.command = CliCommand::Restore;
        request.archiveFile = arguments[0];
        request.restoreFolder = arguments[1];
    } else if (command == QLatin1String("mail")) {
        words.expect({}, 1, 2);
        request.command = CliCommand::Mail;
        request.position = checkedPosition(arguments[0]);
        request.address = arguments.value(1);
    } else if (command == QLatin1String("settings")) {
        words.expect({}, 0, 0);
        request.command = CliCommand::Settings;
    } else if (command == QLatin1String("clients") || command == QLatin1String("services")) {
        words.expect({}, 2, 2);
        if (arguments[0] == QLatin1String("import"))
            request.command = CliCommand::ListImport;
        else if (arguments[0] == QLatin1String("export"))
            request.command = CliCommand::ListExport;
        else
            wrongCall(command);
        request.list = command == QLatin1String("clients") ? SlotListKind::Clients : SlotListKind::Services;
        request.csvFile = arguments[1];
    } else if (command == QLatin1String("copy")) {
        words.expect({dateOption, serviceDateOption}, 1, 1);
        request.command = CliCommand::Copy;
        request.position = checkedPosition(arguments[0]);
        takeDates(words, request);
    } else if (command == QLatin1String("new")) {
        words.expect({templateOption, dateOption, serviceDateOption, lineOption}, 0, 0);
        request.command = CliCommand::New;
        request.templateFile = words.single(templateOption);
        if (request.templateFile.isEmpty())
            throw CommandLineError(
                QStringLiteral("Podaj plik szablonu po opcji --template, np. kwitarnia new --template stały.sza."));
        takeDates(words, request);
        request.lines = checkedLines(words.values.value(lineOption));
    } else if (command == QLatin1String("paid")) {
        words.expect({unpaidOption}, 1, 2);
        request.command = CliCommand::Paid;
        request.position = checkedPosition(arguments[0]);
        request.markUnpaid = words.has(unpaidOption);
        if (arguments.size() == 2) {
            if (request.markUnpaid)
                throw CommandLineError(
                    QStringLiteral("Podaj datę zapłaty albo opcję --unpaid polecenia paid, nie obie naraz."));
            request.paidOn = checkedDate(arguments[1]);
        }
    } else if (command == QLatin1String("unpaid")) {
        words.expect({overdueOption, csvOption, xlsxOption}, 0, 0);
        request.command = CliCommand::Unpaid;
        request.overdueOnly = words.has(overdueOption);
    } else {
        throw CommandLineError(
            QStringLiteral("Nieznane polecenie „%1”. Polecenia: list, summary, pdf, words, backup, "
                           "restore, mail, settings, clients, services, copy, new, paid, unpaid, --help, --version; "
                           "opis poleceń: kwitarnia --help.")
                .arg(command));
    }
    request.csv = words.has(csvOption);
    request.xlsx = words.has(xlsxOption);
    if (request.csv && request.xlsx)
        throw CommandLineError(QStringLiteral("Podaj tylko jedną z opcji --csv i --xlsx polecenia %1.").arg(command));
    if (request.xlsx && words.tableFile.isEmpty())
        throw CommandLineError(
            QStringLiteral("Podaj plik arkusza po opcji --xlsx, np. %1 --xlsx lista.xlsx.").arg(command));
    if (request.csv || request.xlsx)
        request.outputFile = words.tableFile;
    return request;
}

} // namespace kw
