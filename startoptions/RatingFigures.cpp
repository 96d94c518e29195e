#include "RatingFigures.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "Localisation.h"

namespace {

int WholeMb(uint64_t bytes) {
    return static_cast<int>(std::min<uint64_t>(WholeMebibytes(bytes), INT_MAX));
}

// Appends the disk's line to figures: its cause when it rated 0, else its throughputs and the
// folder, which every language's format names with its "%s".
void AddDiskLine(RatingFigures& figures, const RatingFigureTexts& texts,
                 const DiskMeasurement& disk) {
    switch (ZeroCauseOf(disk)) {
        case DiskZeroCause::kNothingWritten:
            figures.text += texts.diskNothingWritten;
            return;
        case DiskZeroCause::kTransferFailed:
            figures.text += texts.diskTransferFailed;
            return;
        case DiskZeroCause::kTooSlow:
            figures.text += texts.diskTooSlow;
            return;
        case DiskZeroCause::kNone:
            break;
    }
    const char* folderMark = std::strstr(texts.disk, "%s");
    const std::string before(texts.disk, folderMark);
    figures.text += KStr(before.c_str(), WriteThroughput(disk), ReadThroughput(disk));
    figures.folderAt = figures.text.Length();
    figures.folder = disk.folder;
    figures.text += folderMark + 2;
}

}  // namespace

RatingFigures RatingFiguresOf(int language, const RatingInputs& inputs,
                              const DiskMeasurement& disk) {
    RatingFigures figures;
    const RatingFigureTexts* texts = RatingFigureTextsOf(language);
    if (texts == nullptr) {
        return figures;
    }
    // The figures as the ratings count them: memory sizes rounded up to whole MB.
    KStr& text = figures.text;
    text = KStr(texts->processor, inputs.clockMhz);
    text += "\n";
    text += KStr(texts->memory, WholeMb(inputs.availableMemory));
    text += "\n";
    text += KStr(texts->graphics, WholeMb(inputs.largestTextureMemory),
                 inputs.anyHardwareTnL ? texts->yes : texts->no);
    text += "\n";
    AddDiskLine(figures, *texts, disk);
    text += "\n";
    text += texts->average;
    return figures;
}
