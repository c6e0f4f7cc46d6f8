#include "ui/SearchSetting.h"

#include "framework/Win32.h"

namespace {

constexpr char kKey[] = "Software\\Tollwick";
constexpr char kValue[] = "FindAsYouType";

// Closes a registry key when it goes.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool ReadFindAsYouType() {
    RegistryKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, value = 0, size = sizeof value;
    const LONG result =
        ::RegQueryValueExA(key.Get(), kValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    return result == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value && value != 0;
}

bool WriteFindAsYouType(bool on) {
    RegistryKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Receive(),
                          nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = on ? 1 : 0;
    return ::RegSetValueExA(key.Get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value) == ERROR_SUCCESS;
}
