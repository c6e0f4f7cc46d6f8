#include "export/ExportFile.h"

#include <cstdio>
#include <cstring>

#include "commands/FileDialogs.h"
#include "export/ContactsExport.h"

namespace {

// The program's text is in the ANSI code page; the export writes UTF-8.
class CodePageToUtf8 : public ExportHost {
public:
    int ToUtf8(const char* text, int length, char* out, int outSize) override {
        wchar_t wide[1024];
        if (length > 1024) length = 1024;
        const int wideLength = length > 0 ? ::MultiByteToWideChar(CP_ACP, 0, text, length, wide, 1024) : 0;
        int written = 0;
        // Character by character, so that a full buffer ends on a whole one.
        for (int i = 0; i < wideLength; ++i) {
            char bytes[4];
            const int n =
                ::WideCharToMultiByte(CP_UTF8, 0, wide + i, 1, bytes, sizeof bytes, nullptr, nullptr);
            if (n <= 0 || written + n > outSize - 1) break;
            std::memcpy(out + written, bytes, static_cast<std::size_t>(n));
            written += n;
        }
        out[written] = '\0';
        return written;
    }
};

}  // namespace

void ExportContactsAs(HWND owner, const ContactTable& table, ContactsFileHost& files) {
    static char path[MAX_PATH] = "contacts.vcf";
    AddressBookKind kind = AddressBookKind::kVCard;
    if (!ChooseExportFile(owner, path, &kind)) return;
    CodePageToUtf8 host;
    char text[MAX_PATH + 200];
    if (ExportContacts(table, kind, path, host, files)) {
        std::snprintf(text, sizeof text, "%d contact%s written to\n%s", table.count,
                      table.count == 1 ? "" : "s", path);
        ::MessageBoxA(owner, text, "INFO", MB_OK | MB_ICONINFORMATION);
    } else {
        char folder[MAX_PATH];
        std::snprintf(folder, sizeof folder, "%s", path);
        if (char* name = std::strrchr(folder, '\\')) *name = '\0';
        std::snprintf(text, sizeof text, "Can not write %s\nin the folder %s.\nNothing was exported.", path,
                      folder);
        ::MessageBoxA(owner, text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
    }
}
