#include "records/impressio.h"

namespace quimerix {

std::string text_document(const Document_impressio &d) {
    std::string t;
    for (const Operacio &op : d.operacions) {
        if (op.tipus == Tipus_operacio::Text)
            t += op.text;
        else if (op.tipus == Tipus_operacio::Fi_linia)
            t += '\n';
        else if (op.tipus == Tipus_operacio::Nova_pagina)
            t += '\f';
        else if (op.tipus == Tipus_operacio::Barra) {
            const auto plenes = static_cast<int>(op.proporcio * op.valor + 0.5);
            t += std::string(static_cast<std::size_t>(plenes), '#') +
                 std::string(static_cast<std::size_t>(op.valor - plenes), '.');
        }
    }
    return t;
}

} // namespace quimerix
