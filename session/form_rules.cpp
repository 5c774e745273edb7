#include "session/form_rules.h"

#include "editing/amount_text.h"

namespace kw {

namespace {

constexpr int quantityColumn = 4;
constexpr int priceColumn = 5;
constexpr int totalColumn = 6;

QString& cell(DocumentForm& form, int column, int line) { return form.cells[column - 1][line - 1]; }

} // namespace

std::optional<QString> requiredPaymentTerm(const QString& paymentMethod, const QString& issueDate)
{
    if (paymentMethod == QStringLiteral("Gotówka"))
        return issueDate;
    return std::nullopt;
}

void keepCashTerm(DocumentHead& head)
{
    if (const std::optional<QString> term = requiredPaymentTerm(head.paymentMethod, head.issueDate))
        head.paymentTerm = *term;
}

BillTotals writeLineTotals(DocumentForm& form)
{
    std::array<LineCells, 3> lines;
    for (int line = 1; line <= 3; ++line)
        lines[line - 1] = {cell(form, quantityColumn, line), cell(form, priceColumn, line)};
    BillTotals totals = computeBillTotals(lines);
    for (int line = 1; line <= 3; ++line) {
        const LineTotal& total = totals.lines[line - 1];
        if (total.writeTotal)
            cell(form, totalColumn, line) = total.totalText;
    }
    return totals;
}

void normaliseAmounts(DocumentForm& form)
{
    for (int line = 1; line <= 3; ++line) {
        for (const auto& [column, width] : {std::pair{quantityColumn, 7}, std::pair{priceColumn, 8}}) {
            QString& figure = cell(form, column, line);
            if (readAmount(figure) != Money())
                figure = formatAmount(readAmount(figure, storedFigureDecimals), width);
        }
    }
    writeLineTotals(form);
}

} // namespace kw
