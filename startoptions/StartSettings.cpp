#include "StartSettings.h"

#include <algorithm>

#include "IntConversion.h"
#include "Localisation.h"

namespace {

constexpr int32_t kHighestTextureLevel = 4;

int32_t StoredInt(KCfgNode* node, const char* name, int32_t def) {
    return TruncateToInt32(node->GetFloat(name, def));
}

const char* Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

StoredSettings ReadStoredSettings(KCfgTree& tree, bool defaultsSwitch,
                                  const SystemRatings& ratings) {
    StoredSettings settings;
    // Decided before anything is read: reading creates the nodes it looks for.
    settings.defaultsMode = tree.Root()->ChildCount() == 0 || defaultsSwitch;

    settings.display.adapterGuid = tree.ValueAt("Screen/DirectDrawGUID");
    settings.display.deviceGuid = tree.ValueAt("Screen/Direct3DGUID");
    settings.tclDefines = tree.ValueAt("TclDefines");
    // The edition's language wins over whatever "Language" holds.
    settings.language = kEditionLanguage;

    KCfgNode* screen = tree.NodeAt("Screen");
    settings.display.width = StoredInt(screen, "Width", 0);
    settings.display.height = StoredInt(screen, "Height", 0);
    KCfgNode* performance = tree.NodeAt("Performance");
    settings.texture = std::min(StoredInt(performance, "TextureQuality", 3), kHighestTextureLevel);
    settings.landscape = StoredInt(performance, "LandscapeQuality", 2);
    settings.objects = StoredInt(performance, "ObjectQuality", 2);
    settings.framerate = StoredInt(performance, "MaxFramerate", ratings.recommendedFramerate);

    // Only exactly "0" means a window; missing or empty means full screen.
    settings.display.fullScreen = tree.ValueAt("Screen/Fullscreen") != "0";

    if (settings.defaultsMode) {
        settings.display.fullScreen = true;
        settings.tclDefines = kDefaultTclDefines;
        ApplyRecommendation(settings, ratings);
    }
    return settings;
}

void ApplyRecommendation(StoredSettings& settings, const SystemRatings& ratings) {
    const Presets presets = RecommendedPresets(ratings);
    settings.language = presets.language;
    settings.texture = presets.texture;
    settings.landscape = presets.landscape;
    settings.objects = presets.objects;
    settings.framerate = ratings.recommendedFramerate;
}

void WriteConfirmedSettings(KCfgTree& tree, const ConfirmedSettings& s) {
    const DisplayChoice& display = s.display;
    tree.ValueAt("TclDefines") = s.tclDefines;
    tree.ValueAt("Language") = LanguageCode(s.languagePosition);
    if (display.hasAdapter) {
        tree.ValueAt("Screen/DirectDrawGUID") = display.adapterGuid;
    }
    if (display.hasDevice) {
        tree.ValueAt("Screen/Direct3DGUID") = display.deviceGuid;
    }
    KCfgNode* screen = tree.NodeAt("Screen");
    if (display.hasMode) {
        screen->SetFloat("Width", display.width);
        screen->SetFloat("Height", display.height);
    }
    KCfgNode* performance = tree.NodeAt("Performance");
    performance->SetFloat("TextureQuality", s.texture);
    performance->SetFloat("LandscapeQuality", s.landscape);
    performance->SetFloat("ObjectQuality", s.objects);
    performance->SetFloat("MaxFramerate", s.framerate);
    performance->SetFloat("RatingCPU", s.ratings.ratingCpu);
    performance->SetFloat("RatingMem", s.ratings.ratingMem);
    performance->SetFloat("RatingGfx", s.ratings.ratingGfx);
    performance->SetFloat("RatingDsk", s.ratings.ratingDisk);
    if (display.hasDevice) {
        tree.ValueAt("Screen/TnL") = Flag(display.hardwareTnL);
    }
    tree.ValueAt("Screen/Fullscreen") = Flag(display.fullScreen);
}
