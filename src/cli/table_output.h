#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace mv::cli {

// Tables go to stdout as lines of fields separated by ";". A field holding ";", a double
// quote or a line break is put in double quotes with its inner quotes doubled; every other
// field is written as it is (UTF-8).
std::string QuoteField(std::string_view field);
void WriteRow(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace mv::cli
