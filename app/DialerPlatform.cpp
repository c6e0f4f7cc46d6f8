#include "app/DialerPlatform.h"

#include <mmsystem.h>

#include "calling/SystemClock.h"
#include "framework/WinApp.h"

namespace {

// A new sound cuts off one still playing.
void PlayProgramSound(int soundId) {
    ::PlaySoundA(MAKEINTRESOURCEA(soundId), CWinApp::ResourceHandle(), SND_RESOURCE | SND_ASYNC);
}

SystemClock systemClock;

}  // namespace

DialerPlatform SystemPlatform() {
    return {PlayProgramSound, ::LoadImageA, &systemClock};
}
