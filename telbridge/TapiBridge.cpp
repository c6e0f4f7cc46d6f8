// Assisted Telephony's call request, answered by handing the number to the
// system's tel: handler instead of a Phone Dialer. On Windows that is the
// phone program the user picked for tel: links; under Wine, winebrowser
// passes the link on to the desktop's own handler through xdg-open.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include "telbridge/TelUri.h"

// Only the destination matters to a tel: handler: it has no use for the
// application's name, the called party or the comment.
extern "C" LONG WINAPI tapiRequestMakeCall(LPCSTR destination, LPCSTR, LPCSTR, LPCSTR) {
    char uri[kTelUriSize];
    const std::int32_t made = MakeTelUri(destination, uri);
    if (made != kTapiConnected) return made;
    const HINSTANCE code = ::ShellExecuteA(nullptr, "open", uri, nullptr, nullptr, SW_SHOWNORMAL);
    return RequestResult(reinterpret_cast<INT_PTR>(code));
}
