#pragma once
// The sheets of a summary written as an .xlsx workbook with libxlsxwriter.

#include <optional>
#include <string>
#include <vector>

#include "records/resum.h"

namespace eines {

// The workbook's bytes; nothing, with the reason in Catalan in `motiu`, when it cannot be made.
std::optional<std::string> llibre_xlsx(const std::vector<quimerix::Full_resum> &fulls, std::string &motiu);

} // namespace eines
