#pragma once

#include <string>

#include "worksheet.h"

namespace quorvel {

// The sheet to print as the page takes it, every text in the page's language:
// {"title", "name_label", "code_label", "code", "address_label", "plot_caption",
// "instructions", "headings": [4], "rows": [[n, wave, mean, coefficient]],
// "answer_heading", "answer", "plot": {"width", "height", "dpi"}}. The plot's pixels go
// separately; printed at "dpi", each is one dot.
std::string worksheet_description(const Worksheet& sheet, const SheetPlot& plot);

}  // namespace quorvel
