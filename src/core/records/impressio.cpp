#include "records/impressio.h"

namespace quimerix {

std::string text_document(const Document_impressió &d) {
    std::string t;
    for (const Operació &op : d.operacions) {
        if (op.tipus == Tipus_operació::Text) t += op.text;
        else if (op.tipus == Tipus_operació::Fi_línia) t += '\n';
        else if (op.tipus == Tipus_operació::Nova_pàgina) t += '\f';
    }
    return t;
}

} // namespace quimerix
