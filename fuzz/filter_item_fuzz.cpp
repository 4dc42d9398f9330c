// Filter items and value lists as scenario fields and dialogs hold them: an item read and
// written is read and written again to the same text, and a value list joined back reads
// as the same values.
#include "engine/core/text_utils.h"
#include "engine/stats/filter_item.h"
#include "engine/stats/stat_list.h"
#include "engine/stats/value_list.h"
#include "fuzz_registry.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(filter_item) {
    using namespace mv;
    for (const std::string_view text : SplitTextLines(fuzz::AsText(data, size))) {
        const TFilterItem item = TextToItem(text, fuzz::BuiltRegistry());
        const std::string written = ItemToText(item);
        MV_FUZZ_CHECK(ItemToText(TextToItem(written, fuzz::BuiltRegistry())) == written);
        MV_FUZZ_CHECK(NormalizeItemText(text, fuzz::BuiltRegistry()) == written);

        const std::vector<std::int32_t> values = ParseValueList(text);
        MV_FUZZ_CHECK(static_cast<std::int64_t>(values.size()) <= MaxValueListCount);
        if (!values.empty()) MV_FUZZ_CHECK(ParseValueList(JoinValueList(values, ";")) == values);

        const long double coefficient = ReadCoefficient(text);
        (void)ReadCoefficient(CoefficientText(coefficient));
    }
    return 0;
}
