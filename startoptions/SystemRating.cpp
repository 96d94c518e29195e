#include "SystemRating.h"

#include <algorithm>
#include <climits>

namespace {

constexpr uint64_t kMebibyte = 1048576;

int32_t ClampRating(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, 100));
}

}  // namespace

uint64_t WholeMebibytes(uint64_t bytes) {
    // Dividing first keeps bytes near 2^64 from wrapping when rounding up.
    return bytes / kMebibyte + (bytes % kMebibyte != 0 ? 1 : 0);
}

int32_t RateCpu(int32_t clockMhz) {
    // 350 MHz is the slowest processor the game runs on (rating 1); the rating climbs by 99 over
    // the next 850 MHz, so 1200 MHz and more rate 100.
    constexpr int64_t kSlowestMhz = 350;
    constexpr int64_t kSpanToFullMhz = 850;
    if (clockMhz < kSlowestMhz) {
        return 0;
    }
    return ClampRating(1 + (int64_t{clockMhz} - kSlowestMhz) * 99 / kSpanToFullMhz);
}

int32_t RateMemory(uint64_t availableBytes) {
    uint64_t mebibytes = WholeMebibytes(availableBytes);
    if (mebibytes < 20) {
        return 0;
    }
    // Anything beyond 220 MiB rates 100; capping first keeps the product in range.
    int64_t capped = static_cast<int64_t>(std::min<uint64_t>(mebibytes, 1000));
    return ClampRating(1 + (capped - 20) * 99 / 200);
}

int32_t RateGraphics(uint64_t textureBytes, bool anyHardwareTnL) {
    // Capped far above where the rating reaches 100, so even a reported 4 GiB (or more) can't
    // overflow; the result still needs ComputeRatings' clamp, which is why it may be out of range.
    int64_t mebibytes =
        static_cast<int64_t>(std::min<uint64_t>(WholeMebibytes(textureBytes), 1000));
    int64_t rating = (mebibytes - 4) * 6 / 3;
    if (anyHardwareTnL) {
        rating = rating * 3 / 2;
    }
    return static_cast<int32_t>(rating);
}

int32_t AverageRating(int32_t cpu, int32_t mem, int32_t gfx, int32_t disk) {
    // A weighted mean. The disk counts most when memory is short (the game then pages): its
    // weight falls from 700 at memory rating 0 by 6 per point to 100 at rating 100. The other
    // weights are fixed: processor 600, graphics 400, memory 1200, together 2200.
    constexpr double kCpuWeight = 600.0;
    constexpr double kGfxWeight = 400.0;
    constexpr double kMemWeight = 1200.0;
    double diskWeight = 700.0 - 6.0 * mem;
    double sum = disk * diskWeight + kCpuWeight * cpu + kGfxWeight * gfx + kMemWeight * mem;
    return static_cast<int32_t>(sum / (diskWeight + kCpuWeight + kGfxWeight + kMemWeight));
}

int32_t RecommendedFramerate(int32_t average) {
    return std::min(kMinFramerate + average * 8 / 50, kMaxFramerate);
}

SystemRatings ComputeRatings(const RatingInputs& inputs) {
    SystemRatings r;
    r.ratingCpu = ClampRating(RateCpu(inputs.clockMhz));
    r.ratingMem = ClampRating(RateMemory(inputs.availableMemory));
    r.ratingGfx = ClampRating(RateGraphics(inputs.largestTextureMemory, inputs.anyHardwareTnL));
    r.ratingDisk = ClampRating(inputs.ratingDisk);
    r.ratingAverage = AverageRating(r.ratingCpu, r.ratingMem, r.ratingGfx, r.ratingDisk);
    r.recommendedFramerate = RecommendedFramerate(r.ratingAverage);
    return r;
}

uint64_t LargestTextureMemory(const DisplayCatalogue& adapters) {
    uint64_t largest = 0;
    for (const AdapterInfo& adapter : adapters) {
        largest = std::max<uint64_t>(largest, adapter.textureMemory);
    }
    return largest;
}

bool AnyHardwareTnL(const DisplayCatalogue& adapters) {
    for (const AdapterInfo& adapter : adapters) {
        for (const DeviceInfo& device : adapter.devices) {
            if (device.hardwareTnL) {
                return true;
            }
        }
    }
    return false;
}

RatingInputs RatingInputsOf(int32_t clockMhz, uint64_t availableMemory,
                            const DisplayCatalogue& adapters, int32_t ratingDisk) {
    RatingInputs inputs;
    inputs.clockMhz = clockMhz;
    inputs.availableMemory = availableMemory;
    inputs.largestTextureMemory = LargestTextureMemory(adapters);
    inputs.anyHardwareTnL = AnyHardwareTnL(adapters);
    inputs.ratingDisk = ratingDisk;
    return inputs;
}

SystemRatings ComputeRatings(int32_t clockMhz, uint64_t availableMemory,
                             const DisplayCatalogue& adapters, int32_t ratingDisk) {
    return ComputeRatings(RatingInputsOf(clockMhz, availableMemory, adapters, ratingDisk));
}

KStr RatingSummaryText(const char* osName, const char* systemLanguage, const char* processorText,
                       uint64_t totalMemory, const SystemRatings& r) {
    // (total + 640 KiB) / 1 MiB, split so that no sum can wrap.
    uint64_t mebibytes = totalMemory / kMebibyte + (totalMemory % kMebibyte + 655360) / kMebibyte;
    int memoryMb = static_cast<int>(std::min<uint64_t>(mebibytes, INT_MAX));
    KStr text("%s %s\n%s\n%d MB RAM\n", osName, systemLanguage, processorText, memoryMb);
    text += KStr("System Rating:\nCPU:%03d  RAM:%03d  GFX:%03d  HDD:%03d  Avg:%03d", r.ratingCpu,
                 r.ratingMem, r.ratingGfx, r.ratingDisk, r.ratingAverage);
    return text;
}

Presets RecommendedPresets(const SystemRatings& r) {
    Presets levels;
    levels.language = kEditionLanguage;
    levels.objects = std::clamp((3 * r.ratingAverage + 50) / 100, 0, 2);
    levels.texture = std::clamp(5 * (r.ratingMem + r.ratingGfx + 10) / 200, 0, 4);
    levels.landscape = std::clamp((4 * (3 * r.ratingAverage + r.ratingGfx) + 50) / 400, 0, 2);
    return levels;
}
