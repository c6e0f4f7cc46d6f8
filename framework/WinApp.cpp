#include "framework/WinApp.h"

#include <cassert>

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() : m_hInstance(::GetModuleHandleA(nullptr)) {
    assert(current_ == nullptr && "one application object");
    current_ = this;
}

CWinApp::~CWinApp() {
    current_ = nullptr;
}

BOOL CWinApp::ProcessMessageFilter(int code, MSG* message) {
    (void)code;
    (void)message;
    return FALSE;
}

int CWinApp::Run() {
    MessageFilterHook hook;
    InitInstance();
    return 0;
}

HINSTANCE CWinApp::ResourceHandle() {
    return current_ != nullptr ? current_->m_hInstance : ::GetModuleHandleA(nullptr);
}

namespace {

LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    CWinApp* app = CWinApp::Current();
    if (code >= 0 && app != nullptr && app->ProcessMessageFilter(code, reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageFilterHook::MessageFilterHook()
    : hook_(::SetWindowsHookExA(WH_MSGFILTER, MessageFilterProc, nullptr, ::GetCurrentThreadId())) {}

MessageFilterHook::~MessageFilterHook() {
    if (hook_ != nullptr) ::UnhookWindowsHookEx(hook_);
}
