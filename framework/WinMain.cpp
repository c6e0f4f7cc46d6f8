// The program's entry point: everything happens in the application object.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    if (app == nullptr) return 1;
    app->m_hInstance = instance;
    return app->Run();
}
