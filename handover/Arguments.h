// What a command-line argument of Tollwick asks for: a number to put on the
// display, or an address book to import. Standard C++ only; the arguments
// come from outside and are checked before use.
#pragma once

#include <cstddef>

#include "handover/HandoverMessage.h"

enum class ArgumentKind {
    kNumber,       // a tel: link or a plain number
    kAddressBook,  // a path ending in .vcf or .csv
    kUnknown,      // neither: the user is told which
};

// Room for the number of the longest argument, decoded.
constexpr std::size_t kArgumentNumberSize = kMaxHandoverArgumentLength + 1;

// Reads an argument. A tel: URI (the scheme in any case; cut at the first
// ";", which starts its parameters; percent-decoded) or a plain number gives
// kNumber with the number in `number`: digits, spaces and "+*#-().", and at
// least one digit. A path ending in ".vcf" or ".csv" in any case gives
// kAddressBook. `number` is empty unless the answer is kNumber.
ArgumentKind ReadArgument(const char* argument, char (&number)[kArgumentNumberSize]);
