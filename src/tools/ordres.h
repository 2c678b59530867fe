#pragma once
// The subcommands of quimerix-eines. Each takes the arguments after its name and returns the
// exit status.

#include <string>
#include <vector>

// corregeix --esperat NOM --resposta TEXT [--assistent]
int ordre_corregeix(const std::vector<std::string> &args);
// cataleg [--json]
int ordre_cataleg(const std::vector<std::string> &args);
