#include "service/ServiceOptions.h"

#include <charconv>

namespace stoupe::service {

namespace {

bool ParseNumber(const std::string& text, int64_t low, int64_t high, int64_t& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

} // namespace

bool ParseServiceOptions(const std::vector<std::string>& args, ServiceOptions& options,
                         std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (const size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasValue = true;
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name != "--address" && name != "--port" && name != "--database" &&
            name != "--max-heads" && name != "--credits") {
            error = "unknown option " + name;
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        int64_t number = 0;
        if (name == "--address") {
            if (value.empty()) {
                error = "--address needs a value";
                return false;
            }
            options.address = value;
        } else if (name == "--database") {
            if (value.empty()) {
                error = "--database needs a value";
                return false;
            }
            options.database = value;
        } else if (name == "--port") {
            if (!ParseNumber(value, 0, 65535, number)) {
                error = "--port must be a number from 0 to 65535";
                return false;
            }
            options.port = static_cast<int>(number);
        } else if (name == "--max-heads") {
            if (!ParseNumber(value, 1, 1000, number)) {
                error = "--max-heads must be a number from 1 to 1000";
                return false;
            }
            options.settings.maxHeads = static_cast<int>(number);
        } else {
            if (!ParseNumber(value, 0, 1000000000, number)) {
                error = "--credits must be a number from 0 to 1000000000";
                return false;
            }
            options.settings.startingCredits = number;
        }
    }
    return true;
}

} // namespace stoupe::service
