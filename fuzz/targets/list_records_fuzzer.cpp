// The client and service lists with fuzzed slots: the input is a run of
// patches, each a slot, a field and the bytes (length byte included) that
// are written over that field of that slot.

#include "documents/client_names.h"
#include "editing/selection_lines.h"
#include "fuzz/fuzz_input.h"
#include "store/records.h"

#include <cstdint>

using namespace kw;

namespace {

template <class R>
void patch(R& record, StringField field, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size() && i < field.bytes(); ++i)
        record.setByteAt(field.offset + i, quint8(bytes[i]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    static ClientListRecord clients;
    static ServiceListRecord services;
    clients = emptyClientList();
    services = emptyServiceList();
    const QString fragment = input.text(40);
    while (!input.atEnd()) {
        const quint16 slotWord = input.word();
        const quint8 fieldByte = input.byte();
        const QByteArray bytes = input.bytes(input.byte());
        const int clientSlot = slotWord % clients::Slots + 1;
        const int serviceSlot = slotWord % services::Slots + 1;
        switch (fieldByte % 12) {
        case 0: patch(clients, clients::slotNumber(clientSlot), bytes); break;
        case 1:
        case 2:
        case 3:
        case 4: patch(clients, clients::line(fieldByte % 12, clientSlot), bytes); break;
        case 5: patch(clients, clients::taxId(clientSlot), bytes); break;
        case 6: patch(services, services::slotNumber(serviceSlot), bytes); break;
        case 7: patch(services, services::name(serviceSlot), bytes); break;
        case 8: patch(services, services::pkwiu(serviceSlot), bytes); break;
        case 9: patch(services, services::unit(serviceSlot), bytes); break;
        case 10: patch(services, services::extra(serviceSlot), bytes); break;
        default: patch(services, services::price(serviceSlot), bytes); break;
        }
    }
    const SelectionLines clientList = clientLines(clients);
    findLine(clientList.texts, fragment);
    clientNames(clients);
    const SelectionLines serviceList = serviceLines(services);
    findLine(serviceList.texts, fragment);
    return 0;
}
