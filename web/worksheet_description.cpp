#include "worksheet_description.h"

#include "json_text.h"

namespace quorvel {

std::string worksheet_description(const Worksheet& sheet, const SheetPlot& plot) {
    JsonText json;
    json.begin_object()
        .field("title", sheet.title)
        .field("name_label", sheet.name_label)
        .field("code_label", sheet.code_label)
        .field("code", sheet.code)
        .field("address_label", sheet.address_label)
        .field("plot_caption", sheet.plot_caption)
        .field("instructions", sheet.instructions);
    json.key("headings").begin_array();
    for (const std::string& heading : sheet.headings) {
        json.value(heading);
    }
    json.end_array().key("rows").begin_array();
    for (const SheetRow& row : sheet.rows) {
        json.begin_array()
            .value(row.n)
            .value(row.wave)
            .value(row.mean)
            .value(row.coefficient)
            .end_array();
    }
    json.end_array()
        .field("answer_heading", sheet.answer_heading)
        .field("answer", sheet.answer)
        .key("plot")
        .begin_object()
        .field("width", plot.width)
        .field("height", plot.height)
        .field("dpi", sheet_plot_dpi)
        .end_object();
    return json.end_object().text();
}

}  // namespace quorvel
