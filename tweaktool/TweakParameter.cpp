#include "TweakParameter.h"

namespace {

struct ParameterRow {
    const char* name;
    const char* group;
    int32_t minimum;
    int32_t maximum;
    int32_t defaultValue;
    const char* descriptionText;
};

// The engine parameters the game reads at its start, in list order.
constexpr ParameterRow kParameterRows[] = {
    {"AnimInterpolation", "Performance", 0, 1, 1, "Interpolate animations"},
    {"BorderMask", "Performance", 0, 1, 1, "Show smooth black border"},
    {"DIPYieldThreshold", "Misc", 1, 40000, 20000,
     "Yield CPU after every [DIPYieldThreshold] drawn polygons"},
    {"GameSaveCompression", "Misc", 0, 9, 7,
     "Compression level for savegames. 0=no compression 9=highest compression."},
    {"LazyTextureLoad", "Performance", 0, 1, 1, "Enables on-demand loading of textures"},
    {"LightGlow", "Performance", 0, 1, 1, "Enable glow effect for light sources"},
    {"MaxShadowLightDist", "Performance", 0, 25, 8,
     "Maximum distance for light sources to cast shadows"},
    {"MinThreadSleep", "Misc", 2, 500, 2, "Minimum sleep time per frame in milliseconds"},
    {"MultiTexture", "Performance", 0, 1, 1, "Enable multiple texture stages"},
    {"NoGamespeedLock", "Misc", 0, 1, 0, "Unlock screen in pause and turbo mode"},
    {"Particles", "Performance", 0, 1, 1, "Enable particle systems"},
    {"PauseOnDeactivate", "Misc", 0, 1, 1, "Pause game when window gets deactivated"},
    {"RedundantStateChanges", "Misc", 0, 1, 0, "Set all render states on every update"},
    {"ShowFMV", "Misc", 0, 1, 1, "Show intro video when running fullscreen"},
    {"ShowQuotes", "Misc", 0, 1, 0, "Show quote of the day in load screen"},
    {"TexVideoMemLimit", "Performance", 1024, 32768, 4096,
     "Minimum texture memory to keep available"},
    {"ThreadPriority", "Misc", 0, 2, 1, "Game thread priority 0=low 1=normal 2=high"},
    {"UseEnvMapping", "Performance", 0, 1, 1, "Enable environment mapping"},
    {"ValidateRenderjobs", "Misc", 0, 1, 0, "Validate all rendering before sending to DirectX"},
    {"WebServer", "Performance", 0, 1, 0, "Enable in-game webserver on port 8082"},
};

}  // namespace

bool TweakParameterTable::AddParameter(const char* name, const char* group, int32_t minimum,
                                       int32_t maximum, int32_t defaultValue,
                                       const char* descriptionText) {
    if (count_ >= kCapacity) {
        return false;
    }
    TweakParameter& p = records_[count_];
    p.name = name;
    p.group = group;
    p.minimum = minimum;
    p.maximum = maximum;
    p.defaultValue = defaultValue;
    p.description = name;
    if (descriptionText != nullptr) {
        p.description += "\n";
        p.description += descriptionText;
    }
    ++count_;
    return true;
}

void TweakParameterTable::BuildParameterTable() {
    count_ = 0;
    for (const ParameterRow& row : kParameterRows) {
        AddParameter(row.name, row.group, row.minimum, row.maximum, row.defaultValue,
                     row.descriptionText);
    }
}
