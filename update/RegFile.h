#pragma once

// The settings store's file format, the REGEDIT 5 .reg text:
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\software\Vellamor Ltd\Apps\Vellamor Stoupe]
//   "GlobalTimeout"=dword:0000001e
//   "ServerError"="At ... = ..."
//   "Blob"=hex:01,02,ff
//   @="default value"
//
// ParseRegText reads as much as is sound: unreadable lines are skipped, never
// thrown on. Key paths and value names compare case-insensitively.

#include "update/RegistryValue.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace stoupe {

inline constexpr char kRegHeader[] = "Windows Registry Editor Version 5.00";
inline constexpr qsizetype kRegFileCap = 16 * 1024 * 1024; // larger files read as empty

struct RegEntry {
    QString name; // "" is the default value (@)
    RegistryValue value;
    QString raw; // the data as written, for kinds kept but not understood (hex(7)...)
};

struct RegKey {
    QString path; // full path with its root, e.g. "HKEY_CURRENT_USER\software\..."
    QList<RegEntry> entries;

    const RegEntry* find(const QString& name) const;
    void set(const QString& name, RegistryValue value, QString raw = QString());
};

struct RegDocument {
    QList<RegKey> keys;

    RegKey* find(const QString& path);
    const RegKey* find(const QString& path) const;
    RegKey& findOrAdd(const QString& path);
    // The key exists when it has a section of its own or one of a sub-key.
    bool exists(const QString& path) const;
};

RegDocument ParseRegText(QByteArrayView text);
QByteArray SerializeRegText(const RegDocument& document);

} // namespace stoupe
