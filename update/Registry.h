#pragma once

// One open key of the settings store (a .reg text file at
// $XDG_CONFIG_HOME/vellamor-stoupe/registry.reg, else ~/.config/vellamor-stoupe/).
//
//   Registry reg;
//   reg.RO(true);                                   // open read-only (default false)
//   reg.UserKeyName("software\\Vellamor Ltd\\Apps\\Vellamor Stoupe");  // opens (creates unless RO)
//   RegistryValue v = reg.QueryValue("GlobalTimeout");  // text, bytes, number or empty
//   reg.SaveValueSz("ServerError", text);           // replaces the file atomically
//   reg.UserKeyName()   the open path when the key is under the current user, else ""
//   reg.ClassKeyName(...) / reg.MachineKeyName(...) the same under the other roots
//
// When the store has no current-user key kInternetSettingsKey
// ("...\internet settings"), that key is answered from http_proxy
// (or HTTP_PROXY) and no_proxy: ProxyEnable = 1, ProxyServer = host:port,
// ProxyOverride = the no_proxy names joined by ";".

#include "update/RegistryValue.h"

#include <QString>

namespace stoupe {

inline constexpr char kProgramKey[] = "software\\Vellamor Ltd\\Apps\\Vellamor Stoupe";
inline constexpr char kInternetSettingsKey[] =
    "software\\microsoft\\windows\\currentversion\\internet settings";

class Registry {
public:
    enum class Root { None, CurrentUser, LocalMachine, ClassesRoot };

    Registry() = default;

    bool RO() const { return m_ro; }
    void RO(bool readOnly) { m_ro = readOnly; }

    QString UserKeyName() const { return nameUnder(Root::CurrentUser); }
    void UserKeyName(const QString& sKey) { open(Root::CurrentUser, sKey); }
    QString ClassKeyName() const { return nameUnder(Root::ClassesRoot); }
    void ClassKeyName(const QString& sKey) { open(Root::ClassesRoot, sKey); }
    QString MachineKeyName() const { return nameUnder(Root::LocalMachine); }
    void MachineKeyName(const QString& sKey) { open(Root::LocalMachine, sKey); }

    RegistryValue QueryValue(const QString& sValueName) const;
    void SaveValueSz(const QString& sValueName, const QString& sValue);

    // The store's file as the environment places it.
    static QString StorePath();

private:
    void open(Root root, const QString& sKey);
    QString nameUnder(Root root) const { return m_root == root ? m_keyName : QString(); }
    QString fullPath() const;

    bool m_ro = false;
    Root m_root = Root::None;
    QString m_keyName;
    bool m_fromEnvironment = false; // the internet-settings key answered from the environment
};

// The program's own settings.
// GlobalTimeout: "GlobalTimeout" of the program key when above 0, else 30.
int16_t GlobalTimeout();

} // namespace stoupe
