// The name of the kernel object that marks the Tollwick running on a folder's
// contacts file. Standard C++ only.
#pragma once

#include <cstddef>

// "Tollwick.contacts." and 16 hexadecimal digits: short enough for any kernel
// object name and free of the '\' that such names may not hold.
constexpr std::size_t kInstanceNameSize = 40;

// Names the folder whose full path, case-folded as Windows compares paths,
// is `foldedPath` (`length` bytes). Equal paths give equal names; different
// paths give different names but with a chance of 2^-64.
void MakeInstanceName(const char* foldedPath, std::size_t length, char (&name)[kInstanceNameSize]);
