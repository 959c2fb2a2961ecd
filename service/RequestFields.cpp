#include "service/RequestFields.h"

#include "service/ServiceBase64.h"

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
    const auto fields = SplitFieldText(DecodeVariantBase64(body), 3);
    if (!fields)
        return out;
    const auto flag = ParseFlag((*fields)[1]);
    if (!flag || (*fields)[0].empty() || (*fields)[2].empty())
        return out;
    out.request.account = {(*fields)[0], (*fields)[2], *flag};
    out.status = BodyStatus::Ok;
    return out;
}

Decoded<DeleteRequest> DecodeDeleteBody(std::string_view body) {
    Decoded<DeleteRequest> out;
    if (IsBlank(body)) {
        out.status = BodyStatus::Empty;
        return out;
    }
    const auto fields = SplitFieldText(DecodeVariantBase64(body), 4);
    if (!fields)
        return out;
    const auto flag = ParseFlag((*fields)[3]);
    if (!flag || (*fields)[0].empty() || (*fields)[1].empty() || (*fields)[2].empty())
        return out;
    out.request.account = {(*fields)[0], (*fields)[1], *flag};
    out.request.alias = (*fields)[2];
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
    const auto fields = SplitFieldText(DecodeVariantBase64(body.substr(0, separator)), 5);
    if (!fields)
        return out;
    const auto flag = ParseFlag((*fields)[3]);
    if (!flag || (*fields)[0].empty() || (*fields)[1].empty() || (*fields)[2].empty())
        return out;
    out.request.account = {(*fields)[0], (*fields)[2], *flag};
    out.request.alias = (*fields)[1];
    out.request.referrer = (*fields)[4];
    out.request.data = DecodeVariantBase64(body.substr(separator + 3));
    if (out.request.data.empty()) {
        out.status = BodyStatus::Empty;
        return out;
    }
    out.status = BodyStatus::Ok;
    return out;
}

} // namespace stoupe::service
