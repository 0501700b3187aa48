// Any bytes as the settings file: loading never fails badly, and the
// settings saved after a load load back as the same settings.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"

namespace {
const std::u16string kSys = u"C:\\sys";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kSys);
    platform.PutFile(kSys + u"\\" + tess::kSettingsFileName,
                     tess::Bytes(reinterpret_cast<const char*>(data), size));
    tess::Settings first;
    tess::LoadDefaults(first, platform);
    tess::LoadSettings(first, platform, kSys);
    FUZZ_CHECK(tess::SaveSettings(first, platform, kSys));
    tess::Settings second;
    tess::LoadDefaults(second, platform);
    tess::LoadSettings(second, platform, kSys);
    FUZZ_CHECK(second == first);
    return 0;
}
