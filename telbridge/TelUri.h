// The rules by which a call request becomes a tel: URI for whatever program
// the desktop hands such links to, and what the request then answers.
// Standard C++ only, so that the rules are tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

// Results of a request as Assisted Telephony publishes them.
constexpr std::int32_t kTelRequestHandedOn = 0;
constexpr std::int32_t kTelNoRecipient = -2;
constexpr std::int32_t kTelInvalidDestination = -4;
constexpr std::int32_t kTelRequestFailed = -16;
constexpr std::int32_t kTelInvalidPointer = -18;

// Assisted Telephony's own bound on a destination address, in characters.
constexpr std::size_t kMaxDestinationLength = 80;
// "tel:", every character of the longest destination percent-encoded, and
// the terminator: a destination can never overflow it.
constexpr std::size_t kTelUriSize = 4 + 3 * kMaxDestinationLength + 1;

// Writes the tel: URI of a dialled destination into uri. It keeps digits and
// "+*-.()", drops spaces and percent-encodes the rest ("#" included, which
// would otherwise start a fragment). Returns kTelRequestHandedOn with uri
// filled; kTelInvalidDestination for a destination without a digit or longer
// than kMaxDestinationLength; kTelInvalidPointer for none at all. uri holds
// an empty string unless the result is kTelRequestHandedOn.
std::int32_t MakeTelUri(const char* destination, char (&uri)[kTelUriSize]);

// What a request answers once ShellExecute has given code for the URI.
std::int32_t RequestResult(std::intptr_t shellExecuteCode);
