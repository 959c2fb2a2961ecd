#pragma once

// A returned-data object as one JSON object, keys named as its members:
// aAction, nResponseType, bProgramError, bInValidPost, bCRCError,
// bNotEnoughCredits, bServerError, iCheck, bDecodeError, bNotNew, bNotExisting,
// bCouldntDelete, bCouldntAdd, colAliases (array), intMaxAliases, strDataError.

#include "transfer/clsReturnedData.h"

#include <QJsonObject>

namespace stoupe::request {

QJsonObject ReturnedDataJson(const clsReturnedData& data);

} // namespace stoupe::request
