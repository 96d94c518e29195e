// sysreport: prints the whole machine measurement of the start-options program (the rating
// summary, the ratings and the recommendation, the display device catalogue, and how long each
// step took), without the dialog. A development aid built from the program's own code.
#include <cinttypes>
#include <cstdio>

#include "DisplayCatalogue.h"
#include "SystemRating.h"
#include "win32/DirectDrawLayer.h"
#include "win32/KSysInfo.h"
#include "win32/KTimer.h"
#include "win32/MeasureDiskSpeed.h"

namespace {

struct StepTimes {
    int64_t sysInfo = 0;
    int64_t disk = 0;
    int64_t cpu = 0;
    int64_t enumeration = 0;
    int64_t ratings = 0;
};

void PrintRatings(const SystemRatings& r, const Presets& presets) {
    std::printf("\nRatings: CPU %d, RAM %d, GFX %d, HDD %d\n", r.ratingCpu, r.ratingMem,
                r.ratingGfx, r.ratingDisk);
    std::printf("Average: %d\nRecommended frame rate: %d\n", r.ratingAverage,
                r.recommendedFramerate);
    std::printf("Recommended presets: language %s, texture %d, landscape %d, objects %d\n",
                presets.language.Text(), presets.texture, presets.landscape, presets.objects);
}

void PrintDevices(const AdapterInfo& adapter) {
    std::printf("  Devices: %d\n", adapter.devices.Count());
    for (int32_t i = 0; i < adapter.devices.Count(); ++i) {
        const DeviceInfo& d = adapter.devices[i];
        std::printf("    %d: %s (%s)\n       GUID %s%s, %s\n", i, d.name.Text(),
                    d.description.Text(), GuidToText(d.guid).Text(),
                    d.hardwareTnL ? ", hardware TnL" : "", d.usable ? "usable" : "not usable");
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
        std::printf("%d: %s (%s)%s, %s\n", i, a.description.Text(), a.identity.Text(),
                    a.isPrimary ? ", primary" : "", a.usable ? "usable" : "not usable");
        std::printf("  GUID %s, driver name \"%s\"\n", GuidToText(a.guid).Text(),
                    a.driverName.Text());
        std::printf("  Texture memory %" PRIu32 " bytes, caps 0x%08" PRIx32
                    ", depth buffers 0x%08" PRIx32 "\n",
                    a.textureMemory, a.driverCaps.Caps(), a.driverCaps.ZBufferBitDepths());
        PrintDevices(a);
        PrintModes(a);
    }
}

void PrintTimes(const StepTimes& t) {
    std::printf("\nTimes (ms): KSysInfo %" PRId64 " (100 measuring), MeasureDiskSpeed %" PRId64
                ", MeasureCpuSpeed %" PRId64 ", EnumerateAdapters %" PRId64
                ", ComputeRatings %" PRId64 "\n",
                t.sysInfo, t.disk, t.cpu, t.enumeration, t.ratings);
}

}  // namespace

int main() {
    StepTimes times;
    int64_t start = KTimer::Milliseconds();
    KSysInfo sysInfo;
    int64_t now = KTimer::Milliseconds();
    times.sysInfo = now - start;

    start = now;
    int32_t ratingDisk = MeasureDiskSpeed();
    now = KTimer::Milliseconds();
    times.disk = now - start;

    start = now;
    sysInfo.MeasureCpuSpeed();
    now = KTimer::Milliseconds();
    times.cpu = now - start;

    start = now;
    DirectDrawLayer layer;
    DisplayCatalogue adapters;
    EnumerateAdapters(layer, adapters);
    now = KTimer::Milliseconds();
    times.enumeration = now - start;

    start = now;
    SystemRatings ratings =
        ComputeRatings(sysInfo.clock, sysInfo.availablePhysicalMemory, adapters, ratingDisk);
    now = KTimer::Milliseconds();
    times.ratings = now - start;

    std::printf("%s\n",
                RatingSummaryText(sysInfo.osName, sysInfo.systemLanguageEnglish,
                                  sysInfo.processorText, sysInfo.totalPhysicalMemory, ratings)
                    .Text());
    PrintRatings(ratings, RecommendedPresets(ratings));
    PrintCatalogue(adapters);
    PrintTimes(times);
    return 0;
}
