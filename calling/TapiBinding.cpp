#include "calling/TapiBinding.h"

std::int32_t TapiBinding::RequestMakeCall(const char* destination, const char* application,
                                          const char* calledParty, const char* comment) {
    if (proc_ == Proc::kNotResolved) {
        const std::int32_t error = ResolveTapiProc(kRequestMakeCallName, &requestMakeCall_);
        if (error != 0) {
            proc_ = Proc::kFailed;
            return error;
        }
        proc_ = Proc::kResolved;
    }
    if (proc_ == Proc::kFailed) return kTapiErrRequestFailed;
    return library_.CallRequestMakeCall(requestMakeCall_, destination, application, calledParty, comment);
}

std::int32_t TapiBinding::ResolveTapiProc(const char* name, TapiProcAddress* address) {
    if (module_ == Module::kNotTried) module_ = library_.Load() ? Module::kLoaded : Module::kFailed;
    if (module_ == Module::kFailed) return kLineErrOperationUnavail;
    *address = library_.FindProc(name);
    return *address != nullptr ? 0 : kLineErrOperationUnavail;
}
