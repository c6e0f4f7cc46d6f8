// The rules by which a call request becomes a tel: URI for whatever program
// the desktop hands such links to, and what the request then answers.
// Standard C++ only, so that the rules are tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

#include "calling/TapiResults.h"

// Assisted Telephony's own bound on a destination address, in characters.
constexpr std::size_t kMaxDestinationLength = 80;
// "tel:", every character of the longest destination percent-encoded, and
// the terminator: a destination can never overflow it.
constexpr std::size_t kTelUriSize = 4 + 3 * kMaxDestinationLength + 1;

// Writes the tel: URI of a dialled destination into uri. Letters become
// their keypad digits ("1-800-FLOWERS" dials 1-800-3569377); it keeps digits
// and "+*-.()", drops spaces and percent-encodes the rest ("#" included, which
// would otherwise start a fragment). Returns kTapiConnected with uri
// filled; kTapiErrInvalDestAddress for a destination without a digit (or a
// letter) or longer
// than kMaxDestinationLength; kTapiErrInvalPointer for none at all. uri holds
// an empty string unless the result is kTapiConnected.
std::int32_t MakeTelUri(const char* destination, char (&uri)[kTelUriSize]);

// What a request answers once ShellExecute has given code for the URI.
std::int32_t RequestResult(std::intptr_t shellExecuteCode);
