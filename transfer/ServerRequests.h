#pragma once

// The three requests of the service as complete HTTP/1.0 request bytes:
//   "POST " [+ "http://" + server when absoluteForm] + page + " HTTP/1.0" CR LF
//   "Accept: */*" CR LF, "Accept-Language: en-gb" CR LF,
//   "Content-Type: application/x-www-form-urlencoded" CR LF,
//   "Content-Length: N" CR LF, CR LF, body.
// Bodies are the Base64-variant encoding of the field text ("???1???" user ...);
// the upload adds "***" and the encoded acquisition bytes. The upload request
// is written in a single pass into one buffer of its final size.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace stoupe {

inline constexpr char kCheckUserPage[] = "/Upload/CheckPassword.asp";
inline constexpr char kDeleteMaskPage[] = "/Upload/DeleteVell.asp";
inline constexpr char kUploadPage[] = "/Upload/UploadZAV.asp";

struct RequestTarget {
    QString server;            // host[:port]
    bool absoluteForm = false; // true whenever a proxy is set
};

QString CheckUserFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword);
QString DeleteMaskFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword,
                            const QString& strVellAlias);
QString UploadFieldText(bool bNewUser, const QString& strUsername, const QString& strPassword,
                        const QString& strReferrer, const QString& strVellAlias);

QByteArray BuildCheckUserRequest(const RequestTarget& target, bool bNewUser,
                                 const QString& strUsername, const QString& strPassword);
QByteArray BuildDeleteMaskRequest(const RequestTarget& target, bool bNewUser,
                                  const QString& strUsername, const QString& strPassword,
                                  const QString& strVellAlias);
QByteArray BuildUploadRequest(const RequestTarget& target, bool bNewUser,
                              const QString& strUsername, const QString& strPassword,
                              const QString& strReferrer, const QString& strVellAlias,
                              QByteArrayView byteData);

// Frames a body under a page; used by the three builders.
QByteArray FrameRequest(const RequestTarget& target, const char* page, QByteArrayView body);

} // namespace stoupe
