#include <iostream>

int main() {
    std::cerr << "Ús: quimerix-eines cataleg [--json]\n";
    return 2;
}
