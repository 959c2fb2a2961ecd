#include "transfer/ServerRequests.h"

#include "app/AnsiCodePage.h"
#include "app/HugePages.h"
#include "transfer/clsBase64.h"

#include <cstring>

namespace stoupe {

namespace {

QString flagText(bool bNewUser) {
    return bNewUser ? QStringLiteral("True") : QStringLiteral("False");
}

QByteArray encodeFieldText(const QString& fieldText) {
    return clsBase64().Encode(fieldText);
}

QByteArray requestHead(const RequestTarget& target, const char* page, qsizetype bodyLength) {
    QByteArray head;
    head.reserve(200 + target.server.size());
    head += "POST ";
    if (target.absoluteForm) {
        head += "http://";
        head += toAnsi(target.server);
    }
    head += page;
    head += " HTTP/1.0\r\n"
            "Accept: */*\r\n"
            "Accept-Language: en-gb\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: ";
    head += QByteArray::number(bodyLength);
    head += "\r\n\r\n";
    return head;
}

} // namespace

QString CheckUserFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword) {
    return QStringLiteral("???1???") + strUsername + QStringLiteral("???2???") +
           flagText(bNewUser) + QStringLiteral("???3???") + strPassword;
}

QString DeleteMaskFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword,
                            const QString& strVellAlias) {
    return QStringLiteral("???1???") + strUsername + QStringLiteral("???2???") + strPassword +
           QStringLiteral("???3???") + strVellAlias + QStringLiteral("???4???") +
           flagText(bNewUser);
}

QString UploadFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword,
                        const QString& strReferrer, const QString& strVellAlias) {
    return QStringLiteral("???1???") + strUsername + QStringLiteral("???2???") + strVellAlias +
           QStringLiteral("???3???") + strPassword + QStringLiteral("???4???") +
           flagText(bNewUser) + QStringLiteral("???5???") + strReferrer;
}

QByteArray FrameRequest(const RequestTarget& target, const char* page, QByteArrayView body) {
    QByteArray request = requestHead(target, page, body.size());
    request += body;
    return request;
}

QByteArray BuildCheckUserRequest(const RequestTarget& target, bool bNewUser,
                                 const QString& strUsername, const QString& strPassword) {
    return FrameRequest(target, kCheckUserPage,
                        encodeFieldText(CheckUserFieldText(bNewUser, strUsername, strPassword)));
}

QByteArray BuildDeleteMaskRequest(const RequestTarget& target, bool bNewUser,
                                  const QString& strUsername, const QString& strPassword,
                                  const QString& strVellAlias) {
    return FrameRequest(
        target, kDeleteMaskPage,
        encodeFieldText(DeleteMaskFieldText(bNewUser, strUsername, strPassword, strVellAlias)));
}

QByteArray BuildUploadRequest(const RequestTarget& target, bool bNewUser,
                              const QString& strUsername, const QString& strPassword,
                              const QString& strReferrer, const QString& strVellAlias,
                              QByteArrayView byteData) {
    static constexpr char kSeparator[] = "***";
    const QByteArray fields = encodeFieldText(
        UploadFieldText(bNewUser, strUsername, strPassword, strReferrer, strVellAlias));
    const qsizetype dataLength = clsBase64::EncodedLength(byteData.size());
    const qsizetype bodyLength = fields.size() + 3 + dataLength;
    const QByteArray head = requestHead(target, kUploadPage, bodyLength);

    // One buffer of the final size; the acquisition bytes are encoded straight into it.
    QByteArray request(head.size() + bodyLength, Qt::Uninitialized);
    char* out = request.data();
    preferHugePages(out, request.size());
    std::memcpy(out, head.constData(), size_t(head.size()));
    out += head.size();
    std::memcpy(out, fields.constData(), size_t(fields.size()));
    out += fields.size();
    std::memcpy(out, kSeparator, 3);
    out += 3;
    clsBase64::EncodeInto(reinterpret_cast<const uchar*>(byteData.data()), byteData.size(), out);
    return request;
}

} // namespace stoupe
