/* A stand-in for the Phone Dialer, for tests only. It shows two top-level
 * windows titled "Phone Dialer" and "Dialing" without taking the focus,
 * closes "Dialing" on cue, and ends when its thread receives WM_QUIT.
 *
 *   phone_dialer_standin LOG DIALING
 *
 * DIALING: milliseconds after which "Dialing" closes, "never", or "none" (no
 * "Dialing" window at all). LOG gets one line per event, in the order they
 * happen, each with a sequence number and the tick count:
 *   "<n> <ms> ready", "<n> <ms> dialing-closed", "<n> <ms> quit <wParam>",
 * or "<n> <ms> timeout" when no WM_QUIT came within two minutes. */
#define WIN32_LEAN_AND_MEAN
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#define CLOSE_DIALING_TIMER 1
#define GIVE_UP_TIMER 2
#define GIVE_UP_MS 120000

static const char* logPath;
static int sequence;

static void Log(const char* event, WPARAM value) {
    FILE* log = fopen(logPath, "ab");
    if (log == NULL) return;
    if (strcmp(event, "quit") == 0)
        fprintf(log, "%d %lu %s %lu\n", ++sequence, (unsigned long)GetTickCount(), event,
                (unsigned long)value);
    else
        fprintf(log, "%d %lu %s\n", ++sequence, (unsigned long)GetTickCount(), event);
    fclose(log);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == CLOSE_DIALING_TIMER) {
        KillTimer(window, CLOSE_DIALING_TIMER);
        DestroyWindow(window);
        Log("dialing-closed", 0);
        return 0;
    }
    if (message == WM_TIMER && wParam == GIVE_UP_TIMER) {
        Log("timeout", 0);
        ExitProcess(1);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND Show(const char* title, int y) {
    HWND window = CreateWindowExA(WS_EX_NOACTIVATE, "TollwickPhoneDialerStandIn", title, WS_OVERLAPPEDWINDOW,
                                  0, y, 200, 80, NULL, NULL, GetModuleHandleA(NULL), NULL);
    if (window != NULL) ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

int main(int argc, char** argv) {
    WNDCLASSA windowClass;
    HWND phoneDialer;
    HWND dialing = NULL;
    MSG message;
    if (argc != 3) {
        fprintf(stderr, "usage: %s LOG none|never|MILLISECONDS\n", argv[0]);
        return 2;
    }
    logPath = argv[1];
    memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "TollwickPhoneDialerStandIn";
    if (!RegisterClassA(&windowClass)) return 1;

    phoneDialer = Show("Phone Dialer", 0);
    if (phoneDialer == NULL) return 1;
    SetTimer(phoneDialer, GIVE_UP_TIMER, GIVE_UP_MS, NULL);
    if (strcmp(argv[2], "none") != 0) {
        dialing = Show("Dialing", 100);
        if (dialing == NULL) return 1;
        if (strcmp(argv[2], "never") != 0) SetTimer(dialing, CLOSE_DIALING_TIMER, (UINT)atoi(argv[2]), NULL);
    }
    Log("ready", 0);

    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    Log("quit", message.wParam);
    return 0;
}
