#include "service/PagePath.h"

namespace stoupe::service {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

std::string_view PagePath(std::string_view target) {
    target = target.substr(0, target.find('?'));
    if (StartsWithNoCase(target, "http://")) {
        const size_t slash = target.find('/', 7);
        return slash == std::string_view::npos ? std::string_view("/") : target.substr(slash);
    }
    return target;
}

std::string_view TargetQuery(std::string_view target) {
    const size_t question = target.find('?');
    return question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
}

} // namespace stoupe::service
