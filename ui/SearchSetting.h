// Whether find-as-you-type is on, kept for the user in the registry under
// HKEY_CURRENT_USER\Software\Tollwick. The value is read once, at start.
#pragma once

// Off unless the value is there, a DWORD, and not 0.
bool ReadFindAsYouType();
// False when the value could not be written; the choice then lasts the run.
bool WriteFindAsYouType(bool on);
