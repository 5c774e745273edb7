#include "store/document_head.h"

namespace kw {
namespace {

// The head's single texts with their record fields; the buyer lines follow
// apart because they are an array.
struct HeadText {
    StringField field;
    QString DocumentHead::*text;
};

const HeadText headTexts[] = {
    {doc::Place, &DocumentHead::place},
    {doc::IssueDate, &DocumentHead::issueDate},
    {doc::DocNumber, &DocumentHead::number},
    {doc::NumberSuffix, &DocumentHead::numberSuffix},
    {doc::BuyerTaxId, &DocumentHead::buyerTaxId},
    {doc::PaymentMethod, &DocumentHead::paymentMethod},
    {doc::PaymentTerm, &DocumentHead::paymentTerm},
    {doc::ServiceDate, &DocumentHead::serviceDate},
    {doc::Signature, &DocumentHead::signature},
};

const StringField buyerLineFields[] = {doc::BuyerLine1, doc::BuyerLine2, doc::BuyerLine3, doc::BuyerLine4};

} // namespace

DocumentHead readHead(const DocumentRecord& document)
{
    DocumentHead head;
    for (const HeadText& headText : headTexts)
        head.*headText.text = document.get(headText.field);
    for (int i = 0; i < 4; ++i)
        head.buyerLines[i] = document.get(buyerLineFields[i]);
    return head;
}

void writeHead(DocumentRecord& document, const DocumentHead& head)
{
    for (const HeadText& headText : headTexts)
        document.set(headText.field, head.*headText.text);
    for (int i = 0; i < 4; ++i)
        document.set(buyerLineFields[i], head.buyerLines[i]);
}

} // namespace kw
