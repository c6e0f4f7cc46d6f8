#include "DialogTemplate.h"

#include <cstring>

namespace {

class Reader {
public:
    Reader(const BYTE* data, DWORD size) : data_(data), size_(size) {}

    bool Ok() const { return ok_; }
    WORD Word() {
        WORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        BYTE value = 0;
        Take(&value, sizeof value);
        return value;
    }
    // A zero-terminated UTF-16 text, kept as its low bytes (ASCII here).
    std::string Text() {
        std::string text;
        for (WORD c = Word(); ok_ && c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    // A text or, after 0xFFFF, an ordinal.
    std::string TextOrOrdinal() {
        const WORD first = Word();
        if (first == 0) return "";
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        std::string text(1, static_cast<char>(first));
        return text + Text();
    }
    void AlignDword() { at_ = (at_ + 3) & ~static_cast<DWORD>(3); }
    void Skip(DWORD bytes) { at_ += bytes; }

private:
    void Take(void* out, DWORD bytes) {
        if (at_ + bytes > size_) {
            ok_ = false;
            return;
        }
        std::memcpy(out, data_ + at_, bytes);
        at_ += bytes;
    }

    const BYTE* data_;
    DWORD size_;
    DWORD at_ = 0;
    bool ok_ = true;
};

std::string PredefinedClass(const std::string& name) {
    if (name == "#128") return "Button";
    if (name == "#129") return "Edit";
    if (name == "#130") return "Static";
    if (name == "#131") return "ListBox";
    if (name == "#132") return "ScrollBar";
    if (name == "#133") return "ComboBox";
    return name;
}

}  // namespace

bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate* result) {
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (found == nullptr) return false;
    HGLOBAL loaded = ::LoadResource(module, found);
    if (loaded == nullptr) return false;
    Reader in(static_cast<const BYTE*>(::LockResource(loaded)), ::SizeofResource(module, found));

    DialogTemplate& t = *result;
    const WORD version = in.Word();
    const WORD signature = in.Word();
    t.extended = version == 1 && signature == 0xFFFF;
    if (t.extended) {
        in.Dword();  // help id
        t.exStyle = in.Dword();
        t.style = in.Dword();
    } else {
        t.style = static_cast<DWORD>(version) | static_cast<DWORD>(signature) << 16;
        t.exStyle = in.Dword();
    }
    const WORD count = in.Word();
    t.x = in.Short();
    t.y = in.Short();
    t.cx = in.Short();
    t.cy = in.Short();
    t.menu = in.TextOrOrdinal();
    t.windowClass = in.TextOrOrdinal();
    t.caption = in.Text();
    if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
        t.pointSize = in.Word();
        if (t.extended) {
            t.weight = in.Word();
            t.italic = in.Byte();
            t.charset = in.Byte();
        }
        t.font = in.Text();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignDword();
        TemplateControl c{};
        if (t.extended) {
            in.Dword();  // help id
            c.exStyle = in.Dword();
            c.style = in.Dword();
        } else {
            c.style = in.Dword();
            c.exStyle = in.Dword();
        }
        c.x = in.Short();
        c.y = in.Short();
        c.cx = in.Short();
        c.cy = in.Short();
        c.id = t.extended ? in.Dword() : in.Word();
        c.className = PredefinedClass(in.TextOrOrdinal());
        c.caption = in.TextOrOrdinal();
        in.Skip(in.Word());  // creation data
        t.controls.push_back(c);
    }
    return in.Ok();
}
