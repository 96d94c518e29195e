#pragma once

#include <cstdint>

#include "DisplayCatalogue.h"
#include "KStr.h"

// The system rating: four scales of 0 to 100, their weighted average and the frame-rate limit
// derived from it. Pure arithmetic; the measurements come in as RatingInputs.

// The frame-rate limits a player can choose, which the recommendation keeps to.
constexpr int32_t kMinFramerate = 10;
constexpr int32_t kMaxFramerate = 40;

struct SystemRatings {
    int32_t ratingCpu = 0;
    int32_t ratingMem = 0;
    int32_t ratingGfx = 0;
    int32_t ratingDisk = 0;
    int32_t ratingAverage = 0;
    int32_t recommendedFramerate = 0;
};

struct RatingInputs {
    int32_t clockMhz = 0;               // processor clock as last measured
    uint64_t availableMemory = 0;       // physical memory, bytes
    uint64_t largestTextureMemory = 0;  // largest textureMemory of any adapter, bytes
    bool anyHardwareTnL = false;        // some device transforms and lights in hardware
    int32_t ratingDisk = 0;             // from MeasureDiskSpeed
};

// Bytes rounded up to whole MiB, for any 64-bit size.
uint64_t WholeMebibytes(uint64_t bytes);

int32_t RateCpu(int32_t clockMhz);
int32_t RateMemory(uint64_t availableBytes);
int32_t RateGraphics(uint64_t textureBytes, bool anyHardwareTnL);  // not yet clamped
int32_t AverageRating(int32_t cpu, int32_t mem, int32_t gfx, int32_t disk);
int32_t RecommendedFramerate(int32_t average);

// Every rating clamped to 0..100, the average and the frame-rate limit.
SystemRatings ComputeRatings(const RatingInputs& inputs);

// The graphics inputs of the rating, taken from the catalogue (usable or not).
uint64_t LargestTextureMemory(const DisplayCatalogue& adapters);
bool AnyHardwareTnL(const DisplayCatalogue& adapters);

// The inputs from the measurements and the enumerated catalogue.
RatingInputs RatingInputsOf(int32_t clockMhz, uint64_t availableMemory,
                            const DisplayCatalogue& adapters, int32_t ratingDisk);

// The ratings from the same.
SystemRatings ComputeRatings(int32_t clockMhz, uint64_t availableMemory,
                             const DisplayCatalogue& adapters, int32_t ratingDisk);

// The text shown under the detail settings: OS and language, processor, memory, then the ratings
// on two lines, all joined by line feeds.
KStr RatingSummaryText(const char* osName, const char* systemLanguage, const char* processorText,
                       uint64_t totalMemory, const SystemRatings& ratings);

// The edition language, which the recommendation always proposes.
constexpr const char* kEditionLanguage = "de";

// What the Default button proposes besides the frame-rate limit: the language and the detail
// levels as positions of the dialog's lists.
struct Presets {
    KStr language;          // always the edition language
    int32_t texture = 0;    // 0..4
    int32_t landscape = 0;  // 0..2
    int32_t objects = 0;    // 0..2
};

Presets RecommendedPresets(const SystemRatings& ratings);
