// "Export contacts...": the Save dialog, then the file written in the
// code page's text converted to UTF-8, and one box that says how it went.
#pragma once

#include "contacts/ContactsFile.h"
#include "framework/Win32.h"

void ExportContactsAs(HWND owner, const ContactTable& table, ContactsFileHost& files);
