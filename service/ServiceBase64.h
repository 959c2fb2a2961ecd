#pragma once

// Decoding of the Base64 variant the wizard sends: alphabet A-Z a-z 0-9 "_"
// "/", padding "$", CR LF line breaks. Line breaks and padding are skipped;
// any other character outside the alphabet counts as the value 0, as in the
// client's own decoder. A last group of two or three values gives one or two
// bytes, a single value left over gives none.
//
//   std::string bytes = DecodeVariantBase64(body);
//
// Kept apart from the wizard's clsBase64 so the test peer cannot share a fault with the client.

#include <string>
#include <string_view>

namespace stoupe::service {

std::string DecodeVariantBase64(std::string_view text);

} // namespace stoupe::service
