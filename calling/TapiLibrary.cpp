#include "calling/TapiLibrary.h"

#include "calling/TapiBinding.h"
#include "framework/Win32.h"

namespace {

using RequestMakeCallProc = LONG(WINAPI*)(LPCSTR destination, LPCSTR application, LPCSTR calledParty,
                                          LPCSTR comment);

// The module stays loaded until the process ends, so nothing is ever freed.
class Win32TapiLibrary final : public TapiLibrary {
public:
    bool Load() override {
        module_ = ::LoadLibraryA(kTapiLibraryName);
        return module_ != nullptr;
    }

    TapiProcAddress FindProc(const char* name) override {
        return reinterpret_cast<TapiProcAddress>(::GetProcAddress(module_, name));
    }

    std::int32_t CallRequestMakeCall(TapiProcAddress proc, const char* destination, const char* application,
                                     const char* calledParty, const char* comment) override {
        return reinterpret_cast<RequestMakeCallProc>(proc)(destination, application, calledParty, comment);
    }

private:
    HMODULE module_ = nullptr;
};

Win32TapiLibrary library;
TapiBinding binding(library);

}  // namespace

std::int32_t RequestMakeCall(const char* destination, const char* application, const char* calledParty,
                             const char* comment) {
    return binding.RequestMakeCall(destination, application, calledParty, comment);
}
