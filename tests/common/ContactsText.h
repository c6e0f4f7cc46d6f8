// The contacts file's text in memory: a table as Write would put it on disk,
// and a text as Read would take it in.
#pragma once

#include <memory>
#include <string>

#include "contacts/ContactsFile.h"

inline std::string Formatted(const ContactTable& table) {
    std::string text;
    auto append = [](void* sink, const char* bytes, std::size_t length) {
        static_cast<std::string*>(sink)->append(bytes, length);
        return true;
    };
    return ContactsFile::Format(table, append, &text) ? text : "<format failed>";
}

inline std::unique_ptr<ContactTable> Parsed(const std::string& text) {
    auto table = std::make_unique<ContactTable>();
    ContactsFile::ParseText(text.data(), text.size(), *table);
    return table;
}
