// Camera settings, clock and version files of a card folder holding arbitrary bytes.
#include "CameraSettings.h"
#include "FuzzFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(data, size, ".dat");
    const std::string card = input.dir() + "/card";
    const std::string config = card + "/config";
    std::filesystem::create_directories(config);
    // Fresh files each run: rewriting a file in place makes ext4 flush it on close.
    for (const char *name : {"set.dat", "time.ini", "version.ini"}) {
        std::remove((config + "/" + name).c_str());
        FILE *f = std::fopen((config + "/" + name).c_str(), "wb");
        if (!f)
            std::abort();
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }

    const CameraSettings settings = CameraSettings::read(card);
    const CameraSettings::Variant orvisto = CameraSettings::Variant::Orvisto;
    const CameraSettings other = CameraSettings::read(card, orvisto);
    CameraSettings::readClock(card);
    CameraSettings::readVersion(card);

    // What the writer produces reads back to the same text, one line per key.
    const std::string text = settings.text();
    if (CameraSettings::parse(text, orvisto).text() != text)
        std::abort();
    CameraSettings::decodePin(settings.integer("PASSWORD"));
    other.text();
    return 0;
}
