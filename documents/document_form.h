#pragma once

#include "store/document_head.h"

#include <QString>

#include <array>

namespace kw {

// The texts of the document area as the window shows them.
struct DocumentForm {
    DocumentHead head;
    // The line table `tabela`: cells[column - 1][line - 1], columns 1..6, lines 1..3.
    std::array<std::array<QString, 3>, 6> cells;

    friend bool operator==(const DocumentForm&, const DocumentForm&) = default;
};

} // namespace kw
