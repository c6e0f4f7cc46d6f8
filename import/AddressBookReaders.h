// The two file formats, each read into an ImportEntry card by card or row by
// row. The data ends at `size`; neither reader looks past it.
#pragma once

#include <cstddef>

#include "import/ImportEntry.h"

// vCard 2.1, 3.0 and 4.0, any number of cards. kNotAnAddressBook when the
// text holds no card.
ImportResult ReadVCards(const char* data, std::size_t size, ImportEntry& entry);

// Comma-separated values with a header row that names the columns.
// kNotAnAddressBook when no column holds phone numbers.
ImportResult ReadCsv(const char* data, std::size_t size, ImportEntry& entry);
