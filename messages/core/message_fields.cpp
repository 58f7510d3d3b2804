#include "messages/core/message_fields.h"

#include "text/number_text.h"

namespace messages::core {
namespace {

std::string CanonicalNumber(std::string_view field) { return text::NumberToText(text::TextToNumber(text::TrimBlanks(field))); }

}  // namespace

std::array<std::string_view, 3> SplitValueFields(std::string_view value) {
    std::array<std::string_view, 3> fields{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t bar = value.find('|', pos);
        fields[i] = value.substr(pos, bar == std::string_view::npos ? std::string_view::npos : bar - pos);
        if (bar == std::string_view::npos) break;
        pos = bar + 1;
    }
    return fields;
}

MessageFields ParseMessageFields(std::string_view value) {
    const std::array<std::string_view, 3> fields = SplitValueFields(value);
    MessageFields result;
    result.message = CanonicalNumber(fields[0]);
    result.wParam = CanonicalNumber(fields[1]);

    const std::string_view p = text::TrimBlanks(fields[2]);
    if (p == "真" || p == "假") {
        result.lParamType = ParameterType::Logical;
        result.logical = p == "真" ? 1 : 0;
    } else if (!p.empty() && p.front() == '"' && p.back() == '"') {
        result.lParamType = ParameterType::Text;
        result.lParamText = std::string(p.size() >= 2 ? p.substr(1, p.size() - 2) : std::string_view());
    } else {
        result.lParamType = ParameterType::Integer;
        result.lParamText = CanonicalNumber(p);
    }
    return result;
}

}  // namespace messages::core
