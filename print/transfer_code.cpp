#include "print/transfer_code.h"

#include "editing/tax_numbers.h"
#include "print/bill_printout.h"
#include "print/printed_amounts.h"

namespace kw {

namespace {

constexpr int recipientLength = 20;
constexpr int titleLength = 32;
constexpr qint64 largestGrosze = 999'999;

// `text` in printable ASCII without "|", cut to `length` characters.
QString bankText(const QString& text, int length)
{
    QString marked = text;
    // The only Polish letters that do not decompose into a letter and a mark.
    marked.replace(QChar(0x0142), QLatin1Char('l')).replace(QChar(0x0141), QLatin1Char('L'));
    QString plain;
    for (const QChar c : marked.normalized(QString::NormalizationForm_KD)) {
        if (c.isSpace() || c == QLatin1Char('|'))
            plain += QLatin1Char(' ');
        else if (c.unicode() > 0x20 && c.unicode() < 0x7f)
            plain += c;
    }
    return plain.simplified().left(length).trimmed();
}

} // namespace

std::optional<QString> transferCodeLine(const TransferOrder& order)
{
    if (!isValidNrb(order.account))
        return std::nullopt;
    const bool withNip = !order.sellerNip.trimmed().isEmpty();
    if (withNip && !isValidNip(order.sellerNip))
        return std::nullopt;
    const qint64 grosze = order.amount.grosze();
    if (grosze <= 0 || grosze > largestGrosze)
        return std::nullopt;
    const QString recipient = bankText(order.recipient, recipientLength);
    if (recipient.isEmpty())
        return std::nullopt;

    const QStringList fields = {withNip ? identifierDigits(order.sellerNip) : QString(),
                                QStringLiteral("PL"),
                                identifierDigits(order.account),
                                QStringLiteral("%1").arg(grosze, 6, 10, QLatin1Char('0')),
                                recipient,
                                bankText(order.title, titleLength),
                                QString(),
                                QString(),
                                QString()};
    return fields.join(QLatin1Char('|'));
}

std::optional<TransferOrder> transferOrderFor(const BillPrintout& bill)
{
    if (isCorrective(bill.document) ||
        bill.head.paymentMethod.trimmed().compare(QStringLiteral("Przelew"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    TransferOrder order;
    order.sellerNip = bill.seller.get(company::SellerTaxId);
    order.account = bill.seller.get(company::SellerAccount);
    order.amount = printedAmounts(bill.document).payable;
    order.recipient = bill.seller.get(company::SellerLine1);
    order.title = QStringLiteral("Rachunek ") + bill.head.number + QLatin1Char('/') + bill.head.numberSuffix;
    return order;
}

} // namespace kw
