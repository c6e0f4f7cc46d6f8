#include "app/DialerPlatform.h"

#include <mmsystem.h>

#include "calling/SystemClock.h"
#include "framework/RuntimeBinding.h"
#include "framework/WinApp.h"

namespace {

using PlaySoundProc = BOOL(WINAPI*)(LPCSTR sound, HMODULE module, DWORD flags);

// WINMM is loaded on the first sound, not at start: under Wine it brings the
// codec manager and COM along before the first window. It stays loaded until
// the process ends.
PlaySoundProc BindPlaySound() {
    return ProcAddress<PlaySoundProc>(::LoadLibraryA("WINMM.DLL"), "PlaySoundA");
}

// A new sound cuts off one still playing. Without WINMM the keys are silent.
void PlayProgramSound(int soundId) {
    static const PlaySoundProc playSound = BindPlaySound();
    if (playSound != nullptr)
        playSound(MAKEINTRESOURCEA(soundId), CWinApp::ResourceHandle(), SND_RESOURCE | SND_ASYNC);
}

SystemClock systemClock;

}  // namespace

DialerPlatform SystemPlatform() {
    return {PlayProgramSound, ::LoadImageA, &systemClock};
}
