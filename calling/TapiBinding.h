// Binding Assisted Telephony at run time: TAPI32.DLL is loaded and
// tapiRequestMakeCall looked up on the first request only. Whatever that
// first attempt gives stays for the life of the process: the library is never
// unloaded and a failed binding is never tried again. Standard C++ only; the
// library is reached through a TapiLibrary.
#pragma once

#include <cstdint>

#include "calling/TapiResults.h"

// 0x80000049, LINEERR_OPERATIONUNAVAIL, as the signed 32-bit result it is.
constexpr std::int32_t kLineErrOperationUnavail = INT32_MIN + 0x49;

constexpr char kTapiLibraryName[] = "TAPI32.DLL";
constexpr char kRequestMakeCallName[] = "tapiRequestMakeCall";

// Any procedure's address, whatever its signature; only the library knows
// how to call it.
using TapiProcAddress = void (*)();

// The platform's side of the binding.
class TapiLibrary {
public:
    // Loads kTapiLibraryName for good; false when the system has none.
    virtual bool Load() = 0;
    // The address of a procedure of the loaded library, nullptr when absent.
    virtual TapiProcAddress FindProc(const char* name) = 0;
    // Calls tapiRequestMakeCall at that address with the four strings.
    virtual std::int32_t CallRequestMakeCall(TapiProcAddress proc, const char* destination,
                                             const char* application, const char* calledParty,
                                             const char* comment) = 0;

protected:
    ~TapiLibrary() = default;
};

class TapiBinding {
public:
    explicit TapiBinding(TapiLibrary& library) : library_(library) {}
    TapiBinding(const TapiBinding&) = delete;
    TapiBinding& operator=(const TapiBinding&) = delete;

    // tapiRequestMakeCall's result; kLineErrOperationUnavail when the first
    // binding failed, kTapiErrRequestFailed on every request after that.
    std::int32_t RequestMakeCall(const char* destination, const char* application, const char* calledParty,
                                 const char* comment);

    // Loads the library (once) and looks up a procedure: 0, or
    // kLineErrOperationUnavail without touching `address` when there is no
    // library. The address is written even when the lookup found nothing.
    std::int32_t ResolveTapiProc(const char* name, TapiProcAddress* address);

private:
    enum class Module { kNotTried, kLoaded, kFailed };
    enum class Proc { kNotResolved, kResolved, kFailed };

    TapiLibrary& library_;
    Module module_ = Module::kNotTried;
    Proc proc_ = Proc::kNotResolved;
    TapiProcAddress requestMakeCall_ = nullptr;
};
