// The profile reads that the scene makes, on any file content.
#include "fuzz_input_file.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("p1.bin"));
    const SettingsFile profile(input.write(data, size));
    for (int slot = 0; slot < ProfileStore::storedKeySlots; ++slot)
        (void)ProfileStore::read(profile, ProfileStore::keydefineKey(slot));
    for (int index = 0; index < 7; ++index)
        (void)ProfileStore::read(profile, ProfileStore::colorKey(index));
    for (int index = 0; index < 5; ++index)
        (void)ProfileStore::read(profile, ProfileStore::userPictureKey(index));
    (void)ProfileStore::read(profile, ProfileStore::ledTypeKey());
    (void)ProfileStore::read(profile, ProfileStore::backLedTypeKey());
    return 0;
}
