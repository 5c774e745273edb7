#include "tests/session/session_test.h"

#include "documents/document_template.h"

namespace kw {
namespace {

using TemplatesTest = SessionTest;

DocumentRecord regularCustomer()
{
    DocumentForm form;
    form.head.place = QStringLiteral("Sopot");
    form.head.issueDate = QStringLiteral("2008-12-01");
    form.head.number = QStringLiteral("99");
    form.head.serviceDate = QStringLiteral("2008-11-30");
    form.head.buyerLines[0] = QStringLiteral("Stały klient");
    form.head.paymentMethod = QStringLiteral("Przelew");
    form.head.paymentTerm = QStringLiteral("21 dni");
    form.head.signature = QStringLiteral("Olga");
    cellOf(form, 1, 1) = QStringLiteral("Abonament");
    cellOf(form, 4, 1) = QStringLiteral("   1.00");
    cellOf(form, 5, 1) = QStringLiteral("  150.00");
    return templateRecord(form);
}

TEST_F(TemplatesTest, AnInsertedTemplateKeepsTheNewBillsNumberAndServiceDate)
{
    SettingsRecord s;
    s.set(settings::BillNumber, QStringLiteral("7"));
    s.set(settings::BillSuffix, QStringLiteral("2009"));
    writeSettings(s);
    writeDocuments({sentinel(), bill("2", "B")});
    start();
    session.beginNewBill();
    edit([](DocumentForm& f) {
        f.head.serviceDate = QStringLiteral("2009-03-01");
        cellOf(f, 1, 3) = QStringLiteral("do usunięcia");
    });
    session.insertTemplate(regularCustomer());

    const DocumentHead& head = session.form().head;
    EXPECT_EQ(head.number, QStringLiteral("8"));
    EXPECT_EQ(head.numberSuffix, QStringLiteral("2009"));
    EXPECT_EQ(head.serviceDate, QStringLiteral("2009-03-01"));
    EXPECT_EQ(head.issueDate, QStringLiteral("2008-12-01"));
    EXPECT_EQ(head.place, QStringLiteral("Sopot"));
    EXPECT_EQ(head.buyerLines[0], QStringLiteral("Stały klient"));
    EXPECT_EQ(head.paymentTerm, QStringLiteral("21 dni"));
    EXPECT_EQ(cellOf(session.form(), 1, 1), QStringLiteral("Abonament"));
    EXPECT_EQ(cellOf(session.form(), 1, 3), QString());

    session.store();
    const DocumentRecord stored3 = stored(3);
    EXPECT_EQ(stored3.get(doc::DocKind), QStringLiteral("F"));
    EXPECT_EQ(stored3.get(doc::DocNumber), QStringLiteral("8"));
    EXPECT_EQ(stored3.get(lineCell(LineTable::Bill, 6, 1)), QStringLiteral("   150.00"));
}

TEST_F(TemplatesTest, TheTemplateToSaveIsTheFormShown)
{
    writeDocuments({sentinel(), bill("2", "B")});
    start();
    edit([](DocumentForm& f) { f.head.buyerLines[0] = QStringLiteral("Zmieniony"); });
    EXPECT_EQ(session.templateToSave(), templateRecord(session.form()));
    EXPECT_EQ(session.templateToSave().get(doc::BuyerLine1), QStringLiteral("Zmieniony"));
    EXPECT_EQ(session.templateToSave().get(doc::DocNumber), QString());
}

} // namespace
} // namespace kw
