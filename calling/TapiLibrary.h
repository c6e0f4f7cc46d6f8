// Assisted Telephony as the process has it: TAPI32.DLL bound on the first
// request through LoadLibrary and GetProcAddress, kept for good.
#pragma once

#include <cstdint>

// tapiRequestMakeCall through the process's one binding; the first call binds.
std::int32_t RequestMakeCall(const char* destination, const char* application, const char* calledParty,
                             const char* comment);
