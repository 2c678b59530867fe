// libFuzzer target on the session file reader. Built twice: on whole scrambled files, and with
// CAPA_TEXT_PLA on the plain text layer, where mutations reach the structure directly.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "comprova_lector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida) {
    const std::string_view bytes(reinterpret_cast<const char *>(dades), mida);
#ifdef CAPA_TEXT_PLA
    const std::string fallada = quimerix::comprova_text_pla(bytes);
#else
    const std::string fallada = quimerix::comprova_arxiu(bytes);
#endif
    if (!fallada.empty()) {
        std::fprintf(stderr, "%s\n", fallada.c_str());
        std::abort();
    }
    return 0;
}
