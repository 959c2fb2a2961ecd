#pragma once

// The text every account page answers with: "###RETURNED DATA###", one item
// "###TAG:value###;" per fact, then "###DATA TRANSFER COMPLETE###".
//
//   ReturnedDataBlock block;
//   block.Status(kStatusUserChecked).Aliases({"first"}, 3);
//   std::string body = block.Text();
//
// Written apart from the wizard's clsReturnedData so the test peer cannot share a fault with it.

#include <string>
#include <string_view>
#include <vector>

namespace stoupe::service {

// Error texts ("###ERR") and status texts ("###STA") the wizard recognises.
inline constexpr char kErrUserExists[] = "User already exists";
inline constexpr char kErrNoMatch[] = "Username and password didn't match";
inline constexpr char kErrUploadFailed[] = "Zav Upload Failed";
inline constexpr char kErrNoData[] = "No data sent to server";
inline constexpr char kErrFieldsMissing[] = "User Email, password or alias missing";
inline constexpr char kErrCouldntDelete[] = "Unable to delete vellamor on server";
inline constexpr char kErrCrc[] = "CRC Check failed";
inline constexpr char kErrCredits[] = "Insufficient Credits";

inline constexpr char kStatusUserChecked[] = "User Checked";
inline constexpr char kStatusDeleted[] = "Vellamor Deleted";
inline constexpr char kStatusUploaded[] = "Zav uploaded";

class ReturnedDataBlock {
public:
    ReturnedDataBlock& Error(std::string_view text) { return Item("###ERR", text); }
    ReturnedDataBlock& Status(std::string_view text) { return Item("###STA", text); }
    // "###NUM" with the count, one "###ALI" per alias, then "###MAX".
    ReturnedDataBlock& Aliases(const std::vector<std::string>& aliases, int maxAliases);
    std::string Text() const;

private:
    ReturnedDataBlock& Item(std::string_view tag, std::string_view value);

    std::string m_items;
};

} // namespace stoupe::service
