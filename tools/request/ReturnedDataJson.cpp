#include "tools/request/ReturnedDataJson.h"

#include <QJsonArray>

namespace stoupe::request {

QJsonObject ReturnedDataJson(const clsReturnedData& data) {
    return QJsonObject{
        {QStringLiteral("aAction"), data.aAction},
        {QStringLiteral("nResponseType"), data.nResponseType},
        {QStringLiteral("bProgramError"), data.bProgramError},
        {QStringLiteral("bInValidPost"), data.bInValidPost},
        {QStringLiteral("bCRCError"), data.bCRCError},
        {QStringLiteral("bNotEnoughCredits"), data.bNotEnoughCredits},
        {QStringLiteral("bServerError"), data.bServerError},
        {QStringLiteral("iCheck"), data.iCheck},
        {QStringLiteral("bDecodeError"), data.bDecodeError},
        {QStringLiteral("bNotNew"), data.bNotNew},
        {QStringLiteral("bNotExisting"), data.bNotExisting},
        {QStringLiteral("bCouldntDelete"), data.bCouldntDelete},
        {QStringLiteral("bCouldntAdd"), data.bCouldntAdd},
        {QStringLiteral("colAliases"), QJsonArray::fromStringList(data.colAliases)},
        {QStringLiteral("intMaxAliases"), data.intMaxAliases},
        {QStringLiteral("strDataError"), data.strDataError},
    };
}

} // namespace stoupe::request
