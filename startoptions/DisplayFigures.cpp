#include "DisplayFigures.h"

#include "DisplayLists.h"
#include "GameFitness.h"
#include "Localisation.h"

namespace {

class SectionWriter {
public:
    SectionWriter(DisplayFigures& figures, const DisplayFitnessTexts& texts)
        : figures_(figures), texts_(texts) {}

    void Words(const KStr& words) { figures_.pieces.push_back({words, false}); }
    // A line of a driver's name and what the game can make of it.
    void Entry(const char* indent, const KStr& name, Unfitness reason) {
        Words(KStr("\n%s", indent));
        figures_.pieces.push_back({name, true});
        Words(KStr(": %s", texts_.states[static_cast<int>(reason)]));
    }

private:
    DisplayFigures& figures_;
    const DisplayFitnessTexts& texts_;
};

}  // namespace

DisplayFigures DisplayFiguresOf(int language, const DisplayCatalogue& adapters, int32_t adapter,
                                int32_t device) {
    DisplayFigures figures;
    const DisplayFitnessTexts* texts = DisplayFitnessTextsOf(language);
    if (texts == nullptr) {
        return figures;
    }
    SectionWriter section(figures, *texts);
    section.Words(texts->heading);
    if (adapters.Count() == 0) {
        section.Words(KStr("\n%s", texts->states[static_cast<int>(Unfitness::kNoAdapter)]));
    }
    for (int32_t i = 0; i < adapters.Count(); ++i) {
        section.Entry("", AdapterItemText(adapters[i]), AdapterUnfitness(adapters[i]));
        if (i != adapter) {
            continue;
        }
        for (const DeviceInfo& each : adapters[i].devices) {
            section.Entry("    ", each.name, DeviceUnfitness(each));
        }
    }
    if (IsAdapterUnfitness(ChoiceUnfitness(adapters, adapter, device))) {
        section.Words(KStr("\n%s", texts->advice));
    }
    return figures;
}
