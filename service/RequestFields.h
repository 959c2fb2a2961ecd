#pragma once

// The bodies of the three account pages. A body is the encoded field text;
// the upload appends "***" and the encoded acquisition. The field text puts
// each field after a marker "???n???", numbered from 1 in the page's order:
//   check  : user, new-user flag, password
//   delete : user, password, alias, new-user flag
//   upload : user, alias, password, new-user flag, referrer
// The new-user flag is "True" or "False".
//
//   auto r = DecodeUploadBody(body);
//   if (r.status == BodyStatus::Ok) use(r.request);

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stoupe::service {

enum class BodyStatus {
    Ok,
    Empty,         // nothing was sent (or, for an upload, no acquisition)
    FieldsMissing, // markers, the flag or a required field missing
};

struct AccountFields {
    std::string user;
    std::string password;
    bool newUser = false;
};

struct CheckRequest {
    AccountFields account;
};

struct DeleteRequest {
    AccountFields account;
    std::string alias;
};

struct UploadRequest {
    AccountFields account;
    std::string alias;
    std::string referrer;
    std::string data; // the acquisition file's bytes
};

template <typename Request> struct Decoded {
    BodyStatus status = BodyStatus::FieldsMissing;
    Request request;
};

// Splits a field text into exactly `count` fields; nullopt when the markers
// "???1???" .. "???count???" are not there in order at the places expected.
std::optional<std::vector<std::string>> SplitFieldText(std::string_view text, int count);

Decoded<CheckRequest> DecodeCheckBody(std::string_view body);
Decoded<DeleteRequest> DecodeDeleteBody(std::string_view body);
Decoded<UploadRequest> DecodeUploadBody(std::string_view body);

} // namespace stoupe::service
