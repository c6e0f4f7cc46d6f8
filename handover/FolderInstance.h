// One Tollwick per contacts file. The first start in a folder makes a named
// shared block that holds its main window's handle once that window exists;
// a later start in the same folder finds the block, brings that window to the
// front, hands it its arguments and ends. The block goes with the process
// that made it, so a crash leaves nothing behind.
#pragma once

#include "framework/Win32.h"
#include "handover/HandoverMessage.h"

// A start's command-line arguments, each address book's path made absolute;
// arguments that do not fit are left out, and their number is the answer.
int ReadCommandLine(int argc, char** argv, HandoverArguments* arguments);

// Says in an INFO box how many arguments of a start were left out.
void SayArgumentsLeftOut(int leftOut);

class FolderInstance {
public:
    FolderInstance() = default;
    ~FolderInstance();
    FolderInstance(const FolderInstance&) = delete;
    FolderInstance& operator=(const FolderInstance&) = delete;

    // True when this is the first start on the current folder's contacts
    // file, or when the folder cannot be named (then every start runs).
    bool Claim();
    // Lets later starts find the main window.
    void Publish(HWND window);
    // From a later start: brings the running window to the front and gives it
    // the arguments. False when no window showed up in time or it refused them.
    bool HandOver(const HandoverArguments& arguments);

private:
    HANDLE mapping_ = nullptr;
    // The main window's handle, which is 32 bits wide in 32- and 64-bit
    // programs alike, so that both builds find each other.
    volatile LONG* window_ = nullptr;
};
