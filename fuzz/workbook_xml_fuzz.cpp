// The operator's workbook's XML parts, past the zip: the input holds the parts separated by
// NUL bytes (the sheet, the shared strings, the styles, then optionally the workbook and its
// relations); the parts not given are those of a plain workbook.
#include <map>

#include "engine/core/errors.h"
#include "engine/download/workbook.h"
#include "fuzz_target.h"

namespace {

constexpr const char* kRootRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
constexpr const char* kWorkbook =
    R"(<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="1" sheetId="1" r:id="rId1"/></sheets></workbook>)";
constexpr const char* kWorkbookRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>)";

}  // namespace

MV_FUZZ_TARGET(workbook_xml) {
    using namespace mv;
    const std::string_view input = fuzz::AsText(data, size);
    std::vector<std::string> given;
    std::size_t start = 0;
    while (given.size() < 5) {
        const std::size_t end = input.find('\0', start);
        given.emplace_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const char* names[] = {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml",
                           "xl/workbook.xml", "xl/_rels/workbook.xml.rels"};
    std::map<std::string, std::string> parts = {{"_rels/.rels", kRootRels},
                                                {"xl/workbook.xml", kWorkbook},
                                                {"xl/_rels/workbook.xml.rels", kWorkbookRels}};
    for (std::size_t i = 0; i < given.size(); ++i) parts[names[i]] = given[i];
    try {
        for (const TSheetRow& row : ReadFirstSheetFromParts(parts, 12)) {
            MV_FUZZ_CHECK(row.Row >= 1 && row.Cells.size() <= 12);
        }
    } catch (const EError&) {
    }
    return 0;
}
