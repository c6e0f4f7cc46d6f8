// What text the contacts file keeps intact: the limits and characters the
// contact dialogs accept for a name and a number. Standard C++ only.
#pragma once

// The longest name and number the file reads back whole.
constexpr int kNameFieldLimit = 50;
constexpr int kNumberFieldLimit = 28;

// Which field of a contact breaks the rules, if any.
enum class FieldProblem { kNone, kName, kNumber };

// A name must not hold "," or a line break nor begin with "#" or "["; a
// number must not hold "," or a line break nor begin with a space; neither
// may be longer than its limit. Such text would split a record, hide the
// records after it or come back changed at the next start.
FieldProblem CheckContactFields(const char* name, const char* number);

// Shown with the caption "HEY!" when a dialog refuses a contact's fields.
constexpr char kFieldProblemMessage[] =
    "A name or number can not contain \",\",\n"
    "a name can not begin with \"#\" or \"[\",\n"
    "and a number can not begin with a space.";

// Shown with kInfoCaption when a new contact finds no free slot, by New and
// by the unknown-number dialog's "Save it!".
constexpr char kInfoCaption[] = "INFO";
constexpr char kContactListFullMessage[] =
    "The contact list is full (500 contacts). Delete a contact to make room.";
