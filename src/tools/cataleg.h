#pragma once
#include <string>
#include <vector>

// `quimerix-eines cataleg [--json]`: every compound the program can ask.
int ordre_cataleg(const std::vector<std::string> &args);
