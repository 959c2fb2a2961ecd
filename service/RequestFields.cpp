#include "service/RequestFields.h"

#include "service/ServiceBase64.h"

#include <utility>

namespace stoupe::service {

namespace {

std::string Marker(int n) {
    return "???" + std::to_string(n) + "???";
}

std::optional<bool> ParseFlag(const std::string& text) {
    if (text == "True")
        return true;
    if (text == "False")
        return false;
    return std::nullopt;
}

bool IsBlank(std::string_view body) {
    return body.find_first_not_of("\r\n") == std::string_view::npos;
}

struct FieldText {
    std::vector<std::string> fields;
    bool newUser = false;
};

// Decodes a field text of `count` fields whose new-user flag is field
// `flagIndex`; nullopt when a marker or the flag is missing or one of the
// first `required` fields other than the flag is empty.
std::optional<FieldText> DecodeFieldText(std::string_view encoded, int count, size_t flagIndex,
                                         size_t required) {
    auto fields = SplitFieldText(DecodeVariantBase64(encoded), count);
    if (!fields)
        return std::nullopt;
    const auto flag = ParseFlag((*fields)[flagIndex]);
    if (!flag)
        return std::nullopt;
    for (size_t i = 0; i < required; ++i)
        if (i != flagIndex && (*fields)[i].empty())
            return std::nullopt;
    return FieldText{std::move(*fields), *flag};
}

} // namespace

std::optional<std::vector<std::string>> SplitFieldText(std::string_view text, int count) {
    std::vector<std::string> fields;
    size_t pos = 0;
    for (int n = 1; n <= count; ++n) {
        const std::string marker = Marker(n);
        if (text.compare(pos, marker.size(), marker) != 0)
            return std::nullopt;
        pos += marker.size();
        // Field values never hold a question mark, so the next field starts at
        // the next one.
        const size_t end = n == count ? text.size() : text.find('?', pos);
        if (end == std::string_view::npos)
            return std::nullopt;
        fields.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return fields;
}

Decoded<CheckRequest> DecodeCheckBody(std::string_view body) {
    Decoded<CheckRequest> out;
    if (IsBlank(body)) {
        out.status = BodyStatus::Empty;
        return out;
    }
    const auto text = DecodeFieldText(body, 3, 1, 3);
    if (!text)
        return out;
    const auto& fields = text->fields;
    out.request.account = {fields[0], fields[2], text->newUser};
    out.status = BodyStatus::Ok;
    return out;
}

Decoded<DeleteRequest> DecodeDeleteBody(std::string_view body) {
    Decoded<DeleteRequest> out;
    if (IsBlank(body)) {
        out.status = BodyStatus::Empty;
        return out;
    }
    const auto text = DecodeFieldText(body, 4, 3, 3);
    if (!text)
        return out;
    const auto& fields = text->fields;
    out.request.account = {fields[0], fields[1], text->newUser};
    out.request.alias = fields[2];
    out.status = BodyStatus::Ok;
    return out;
}

Decoded<UploadRequest> DecodeUploadBody(std::string_view body) {
    Decoded<UploadRequest> out;
    const size_t separator = body.find("***");
    if (IsBlank(body) || separator == std::string_view::npos ||
        IsBlank(body.substr(separator + 3))) {
        out.status = BodyStatus::Empty;
        return out;
    }
    // The referrer, the last field, may be empty.
    const auto text = DecodeFieldText(body.substr(0, separator), 5, 3, 3);
    if (!text)
        return out;
    const auto& fields = text->fields;
    out.request.account = {fields[0], fields[2], text->newUser};
    out.request.alias = fields[1];
    out.request.referrer = fields[4];
    out.request.data = DecodeVariantBase64(body.substr(separator + 3));
    if (out.request.data.empty()) {
        out.status = BodyStatus::Empty;
        return out;
    }
    out.status = BodyStatus::Ok;
    return out;
}

} // namespace stoupe::service
