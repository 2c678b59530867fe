// Names that the house's .clang-tidy accepts and refuses, one per line: tests/estil/noms.cmake
// runs clang-tidy on this file and wants a finding on every line marked "refusat" and on no
// other. Never built.
#include <string>

namespace quimerix {

int corregeix_nom(int a);                // acceptat
int Canvi_MAJUSCULES_minuscules2(int a); // acceptat
int formularOXIDS(int a);                // acceptat
int Command1_Click(int a);               // acceptat
int txtRuta_Arxiu(int a);                // acceptat
int corregeixNom(int a);                 // refusat
int corregeix_però(int a);               // refusat
int CorregeixNòm(int a);                 // refusat

struct DadesSessio {};   // acceptat
struct Tipus_element {}; // acceptat
struct dades_sessio {};  // refusat
class frmQUIMERIX {      // acceptat
    int taules_ = 0;     // acceptat
    int cel = 0;         // refusat

  public:
    int Label15 = 0; // acceptat
    int suma() const { return taules_ + cel + Label15; }
};
enum class Tasca { Formular, No_metall, anomenar }; // refusat

constexpr int Nombre_elements = 41; // acceptat
constexpr int kElements = 41;       // acceptat
int suma(int Mode_actual, int n) {  // acceptat
    int valorTotal = Mode_actual;   // refusat
    int encerts_totals = n;         // acceptat
    return valorTotal + encerts_totals + Nombre_elements + kElements;
}

} // namespace quimerix
