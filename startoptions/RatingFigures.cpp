#include "RatingFigures.h"

#include <algorithm>
#include <climits>

#include "Localisation.h"

namespace {

int WholeMb(uint64_t bytes) {
    return static_cast<int>(std::min<uint64_t>(WholeMebibytes(bytes), INT_MAX));
}

KStr DiskLine(const RatingFigureTexts& texts, const DiskMeasurement& disk) {
    switch (ZeroCauseOf(disk)) {
        case DiskZeroCause::kNothingWritten:
            return texts.diskNothingWritten;
        case DiskZeroCause::kTransferFailed:
            return texts.diskTransferFailed;
        case DiskZeroCause::kTooSlow:
            return texts.diskTooSlow;
        case DiskZeroCause::kNone:
            break;
    }
    return KStr(texts.disk, WriteThroughput(disk), ReadThroughput(disk), disk.folder.Text());
}

}  // namespace

KStr RatingFiguresText(int language, const RatingInputs& inputs, const DiskMeasurement& disk) {
    const RatingFigureTexts* texts = RatingFigureTextsOf(language);
    if (texts == nullptr) {
        return KStr();
    }
    // The figures as the ratings count them: memory sizes rounded up to whole MB.
    KStr text(texts->processor, inputs.clockMhz);
    text += "\n";
    text += KStr(texts->memory, WholeMb(inputs.availableMemory));
    text += "\n";
    text += KStr(texts->graphics, WholeMb(inputs.largestTextureMemory),
                 inputs.anyHardwareTnL ? texts->yes : texts->no);
    text += "\n";
    text += DiskLine(*texts, disk);
    text += "\n";
    text += texts->average;
    return text;
}
