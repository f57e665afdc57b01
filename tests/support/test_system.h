// System state that tests prepare and inspect: the proxy registry key and shell shortcuts.
#pragma once

#include <string>

// HKCU\Software\Microsoft\Proxy, where the uninstall tool deletes "procnamearray".
void SetProxyValue(const char* name);
bool ProxyValueExists(const char* name);
void DeleteProxyKey();

// Saves a shortcut to `target` with `arguments`; COM must be initialised. False when it cannot.
bool MakeShortcut(const std::string& shortcut, const std::string& target, const std::string& arguments);
