// What a call request to Assisted Telephony answers, as it publishes the
// results; shared by the program and the tel: bridge that can stand in for it.
#pragma once

#include <cstdint>

constexpr std::int32_t kTapiConnected = 0;
constexpr std::int32_t kTapiErrNoRequestRecipient = -2;
constexpr std::int32_t kTapiErrRequestQueueFull = -3;
constexpr std::int32_t kTapiErrInvalDestAddress = -4;
constexpr std::int32_t kTapiErrRequestFailed = -16;
constexpr std::int32_t kTapiErrInvalPointer = -18;
