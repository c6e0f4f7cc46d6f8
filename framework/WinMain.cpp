// The program's entry point: everything happens in the application object.
#include <cstdlib>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    if (app == nullptr) return 1;
    app->m_hInstance = instance;
    if (__argc > 1) {
        app->m_argc = __argc - 1;
        app->m_argv = __argv + 1;
    }
    return app->Run();
}
