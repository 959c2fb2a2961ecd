#pragma once

// The parsed answer of one server request, handed out by clsTransfer::Replied.
//   Parse(text)  fills the parser's members from a whole answer; never throws.
// Members are public and named as the protocol names them:
//   aAction, nResponseType, bProgramError, bInValidPost, bCRCError,
//   bNotEnoughCredits, bServerError, iCheck, bDecodeError, bNotNew,
//   bNotExisting, bCouldntDelete, bCouldntAdd, colAliases, intMaxAliases,
//   bTransferFinished, strReturnedData, strDataError.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace stoupe {

inline constexpr char kReturnedDataMarker[] = "###RETURNED DATA###";
inline constexpr char kTransferCompleteMarker[] = "###DATA TRANSFER COMPLETE###";

class clsReturnedData {
public:
    int32_t aAction = 0;       // 1 check, 2 delete, 3 or 4 upload
    int32_t nResponseType = 0; // 0 user checked, 1 head deleted, 2 uploaded
    bool bProgramError = false;
    bool bInValidPost = false;
    bool bCRCError = false;
    bool bNotEnoughCredits = false;
    bool bServerError = false;
    int16_t iCheck = 0; // 0 parsed; 2 status 500, 3 other status, 4 not HTTP, 5 status 413
    bool bDecodeError = false;
    bool bNotNew = false;
    bool bNotExisting = false;
    bool bCouldntDelete = false;
    bool bCouldntAdd = false;
    QStringList colAliases;
    int16_t intMaxAliases = 0;
    bool bTransferFinished = false;
    QString strReturnedData;
    QString strDataError;

    void Parse(const QString& strData);
};

} // namespace stoupe
