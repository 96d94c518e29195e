// sysreport: prints the whole machine measurement of the start-options program (the rating
// summary with the figures behind it as the dialog's tooltip gives them in English, the ratings
// and the recommendation, the display device catalogue, and how long each
// step took), without the dialog. A development aid built from the program's own code.
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "DisplayCatalogue.h"
#include "GameFitness.h"
#include "Localisation.h"
#include "RatingFigures.h"
#include "SystemRating.h"
#include "win32/DirectDrawLayer.h"
#include "win32/KSysInfo.h"
#include "win32/KTimer.h"
#include "win32/MeasureDiskSpeed.h"
#include "win32/WideFigures.h"
#include "win32/WideText.h"

namespace {

// How long each step of the measurement took, in the order they ran.
class StepClock {
public:
    // Runs step and notes its time under name.
    template <typename Step>
    void Time(const char* name, const Step& step) {
        const int64_t start = KTimer::Milliseconds();
        step();
        times_.push_back({name, KTimer::Milliseconds() - start});
    }
    void Print() const {
        const char* separator = "\nTimes (ms): ";
        for (const auto& [name, ms] : times_) {
            std::printf("%s%s %" PRId64, separator, name, ms);
            separator = ", ";
        }
        std::printf(" (KSysInfo with its 100 ms of clock measuring)\n");
    }

private:
    std::vector<std::pair<const char*, int64_t>> times_;
};

void PrintRatings(const SystemRatings& r, const Presets& presets) {
    std::printf("\nRatings: CPU %d, RAM %d, GFX %d, HDD %d\n", r.ratingCpu, r.ratingMem,
                r.ratingGfx, r.ratingDisk);
    std::printf("Average: %d\nRecommended frame rate: %d\n", r.ratingAverage,
                r.recommendedFramerate);
    std::printf("Recommended presets: language %s, texture %d, landscape %d, objects %d\n",
                presets.language.Text(), presets.texture, presets.landscape, presets.objects);
}

// "usable" for the game, or why not, as the dialog says it in English.
const char* ForTheGame(Unfitness reason) {
    return DisplayFitnessTextsOf(kEnglish)->states[static_cast<int>(reason)];
}

void PrintDevices(const AdapterInfo& adapter) {
    std::printf("  Devices: %d\n", adapter.devices.Count());
    for (int32_t i = 0; i < adapter.devices.Count(); ++i) {
        const DeviceInfo& d = adapter.devices[i];
        std::printf("    %d: %s (%s)\n       GUID %s, caps 0x%08" PRIx32
                    ", depth buffers 0x%08" PRIx32 "%s\n       for the game: %s\n",
                    i, d.name.Text(), d.description.Text(), GuidToText(d.guid).Text(), d.devCaps,
                    d.zBufferBitDepths, d.hardwareTnL ? ", hardware TnL" : "",
                    ForTheGame(DeviceUnfitness(d)));
    }
}

void PrintModes(const AdapterInfo& adapter) {
    std::printf("  Modes: %d", adapter.modes.Count());
    for (int32_t i = 0; i < adapter.modes.Count(); ++i) {
        const ModeInfo& m = adapter.modes[i];
        std::printf("%s%d x %d x %d", i % 6 == 0 ? "\n    " : ", ", m.width, m.height,
                    m.bitsPerPixel);
    }
    std::printf("\n");
}

void PrintCatalogue(const DisplayCatalogue& adapters) {
    std::printf("\nAdapters: %d\n", adapters.Count());
    for (int32_t i = 0; i < adapters.Count(); ++i) {
        const AdapterInfo& a = adapters[i];
        std::printf("%d: %s (%s)%s\n  For the game: %s\n", i, a.description.Text(),
                    a.identity.Text(), a.isPrimary ? ", primary" : "",
                    ForTheGame(AdapterUnfitness(a)));
        std::printf("  GUID %s, driver name \"%s\"\n", GuidToText(a.guid).Text(),
                    a.driverName.Text());
        std::printf("  Texture memory %" PRIu32 " bytes, caps 0x%08" PRIx32
                    ", depth buffers 0x%08" PRIx32 "\n",
                    a.textureMemory, a.driverCaps.Caps(), a.driverCaps.ZBufferBitDepths());
        PrintDevices(a);
        PrintModes(a);
    }
}

}  // namespace

int main() {
    StepClock clock;
    std::unique_ptr<KSysInfo> sysInfo;
    clock.Time("KSysInfo", [&] { sysInfo = std::make_unique<KSysInfo>(); });
    DiskMeasurement disk;
    clock.Time("MeasureDiskSpeed", [&] { disk = MeasureDiskSpeed(); });
    clock.Time("MeasureCpuSpeed", [&] { sysInfo->MeasureCpuSpeed(); });
    DirectDrawLayer layer;
    DisplayCatalogue adapters;
    clock.Time("EnumerateAdapters", [&] { EnumerateAdapters(layer, adapters); });
    RatingInputs inputs;
    SystemRatings ratings;
    clock.Time("ComputeRatings", [&] {
        inputs = RatingInputsOf(sysInfo->clock, sysInfo->availablePhysicalMemory, adapters,
                                DiskRating(disk));
        ratings = ComputeRatings(inputs);
    });

    std::printf(
        "%s\n\n%s\n",
        RatingSummaryText(sysInfo->osName, sysInfo->systemLanguageEnglish, sysInfo->processorText,
                          sysInfo->totalPhysicalMemory, ratings)
            .Text(),
        NarrowText(WideFigures(RatingFiguresOf(kEnglish, inputs, disk)), TextOrigin::kSystem)
            .c_str());
    PrintRatings(ratings, RecommendedPresets(ratings));
    PrintCatalogue(adapters);
    clock.Print();
    return 0;
}
