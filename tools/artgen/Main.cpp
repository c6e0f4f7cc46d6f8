// tollwick_artgen OUTDIR: paints every bitmap and icon and synthesises every
// sound the program embeds, into OUTDIR/bitmaps, OUTDIR/icons and
// OUTDIR/sounds. The output depends on nothing but this code.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/artgen/Artwork.h"
#include "tools/artgen/BmpFile.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Sounds.h"
#include "tools/artgen/WavFile.h"

namespace {

namespace fs = std::filesystem;

struct Tone {
    const char* name;
    double lowHz, highHz;
    int samples;
};

// The keypad's DTMF pairs; the lengths vary a little, as recorded tones do.
const Tone kTones[] = {
    {"key0", 941, 1336, 2258}, {"key1", 697, 1209, 2295},    {"key2", 697, 1336, 2443},
    {"key3", 697, 1477, 2405}, {"key4", 770, 1209, 2406},    {"key5", 770, 1336, 2295},
    {"key6", 770, 1477, 2332}, {"key7", 852, 1209, 2443},    {"key8", 852, 1336, 2405},
    {"key9", 852, 1477, 2406}, {"keystar", 941, 1209, 2369}, {"keyhash", 941, 1477, 2295},
};

constexpr int kClickSamples = 356;

bool Write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "tollwick_artgen: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

bool WriteBitmaps(const fs::path& dir) {
    bool ok = Write(dir / "IDB_BACK.bmp", EncodeBmp(PaintBackground()));
    ok = Write(dir / "IDB_BITMAP_NUMBERS.bmp", EncodeBmp(PaintGlyphStrip())) && ok;
    ok = Write(dir / "about.bmp", EncodeBmp(PaintAbout())) && ok;
    const std::pair<ButtonState, const char*> states[] = {
        {ButtonState::kUp, "U"}, {ButtonState::kDown, "D"}, {ButtonState::kFocused, "F"}};
    for (const ButtonArt& button : kButtons) {
        for (const auto& [state, letter] : states) {
            const std::string name = std::string(button.name) + letter + ".bmp";
            ok = Write(dir / name, EncodeBmp(PaintButton(button, state))) && ok;
        }
    }
    return ok;
}

bool WriteIcons(const fs::path& dir) {
    bool ok = Write(dir / "phone.ico", EncodeIco({PhoneIcon(32), PhoneIcon(16)}));
    // The list shows an empty space where this group's large image goes.
    ok = Write(dir / "list.ico", EncodeIco({EmptyIcon(32), PhoneIcon(16)})) && ok;
    return Write(dir / "end.ico", EncodeIco({HangUpIcon(32), HangUpIcon(16)})) && ok;
}

bool WriteSounds(const fs::path& dir) {
    bool ok = Write(dir / "click.wav", EncodeWav(Click(kClickSamples)));
    for (const Tone& tone : kTones) {
        const std::string name = std::string(tone.name) + ".wav";
        ok = Write(dir / name, EncodeWav(DtmfTone(tone.lowHz, tone.highHz, tone.samples))) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tollwick_artgen OUTDIR\n");
        return 2;
    }
    const fs::path out = argv[1];
    std::error_code error;
    for (const char* sub : {"bitmaps", "icons", "sounds"}) {
        fs::create_directories(out / sub, error);
        if (error) {
            std::fprintf(stderr, "tollwick_artgen: cannot create %s\n", (out / sub).c_str());
            return 1;
        }
    }
    const bool ok = WriteBitmaps(out / "bitmaps") && WriteIcons(out / "icons") && WriteSounds(out / "sounds");
    return ok ? 0 : 1;
}
