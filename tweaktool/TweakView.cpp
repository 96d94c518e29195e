#include "TweakView.h"

#include "IntConversion.h"

KStr ParameterRowText(const TweakParameter& p) {
    return KStr("%s\t%d\t%d\t%d\t%d", p.name.Text(), p.minimum, p.maximum, p.current,
                p.defaultValue);
}

TweakParameter* ParameterAtRow(TweakParameterTable& table, int row) {
    return row >= 1 ? table.At(row - 1) : nullptr;
}

ParameterTexts TextsFor(const TweakParameter* p) {
    if (p == nullptr) {
        return {};
    }
    return {
        .current = KStr("%d", p->current),
        .minimum = KStr("%d", p->minimum),
        .maximum = KStr("%d", p->maximum),
        .defaultCaption = KStr("&Default (%d)", p->defaultValue),
        .resetCaption = KStr("&Reset (%d)", p->loaded),
        .description = p->description,
    };
}

std::optional<int32_t> SliderTargetForText(const TweakParameter* p, const char* text) {
    if (p == nullptr) {
        return std::nullopt;
    }
    const int32_t v = TextToInt32(text);
    if (v < p->minimum || v > p->maximum) {
        return std::nullopt;
    }
    return v;
}

bool TakeChoice(TweakParameter* p, int32_t value) {
    if (p == nullptr) {
        return false;
    }
    p->marked = true;
    if (p->current == value) {
        return false;
    }
    p->current = value;
    return true;
}
