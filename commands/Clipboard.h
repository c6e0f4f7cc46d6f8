// The clipboard's text, both ways. The clipboard is opened for as short a
// time as possible and always closed again.
#pragma once

#include <cstddef>

#include "framework/Win32.h"

// Whether the clipboard holds text, in either form.
bool ClipboardHasText();

// The phone number in the clipboard's text (Unicode text converted to the
// program's code page where present, else the plain text; at most the first
// 4 KB of it). False when the clipboard holds no text or the text no number.
bool PastedNumber(HWND owner, char* number, std::size_t size);

// Puts the text on the clipboard as plain and as Unicode text; false when
// the clipboard could not be opened or filled.
bool CopyTextToClipboard(HWND owner, const char* text);
