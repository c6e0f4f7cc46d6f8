/* Prints the text of the open message box with the caption given, for the
 * end-to-end tests: message-box-text CAPTION. Exits 1 when there is none. */
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

/* The static control that holds a message box's text. */
#define MESSAGE_BOX_TEXT_ID 0xFFFF

int main(int argc, char** argv) {
    char text[1024];
    HWND box;
    if (argc != 2) {
        fprintf(stderr, "usage: %s CAPTION\n", argv[0]);
        return 2;
    }
    box = FindWindowA("#32770", argv[1]);
    if (box == NULL || GetDlgItemTextA(box, MESSAGE_BOX_TEXT_ID, text, sizeof text) == 0) return 1;
    /* The text's own line breaks, not the console's. */
    _setmode(_fileno(stdout), _O_BINARY);
    fputs(text, stdout);
    return 0;
}
