#pragma once

struct lxw_format;

namespace host::xlsx {

// Cell formats of one workbook, owned by it.
struct XlsxFormats {
    lxw_format* caption = nullptr; // bold column captions
    lxw_format* text = nullptr;    // wrapped, top-aligned
    lxw_format* link = nullptr;    // wrapped, top-aligned, underlined blue
    lxw_format* summary = nullptr; // italic
};

} // namespace host::xlsx
