#include "win32/WideFigures.h"

#include <string_view>

#include "win32/WideText.h"

std::wstring WideFigures(const RatingFigures& figures) {
    const std::string_view text(figures.text.Text(), static_cast<size_t>(figures.text.Length()));
    const auto folderAt = static_cast<size_t>(figures.folderAt);
    return WideText(text.substr(0, folderAt)) + WideText(figures.folder.Text(), TextOrigin::kUtf8) +
           WideText(text.substr(folderAt));
}

std::wstring WideFigures(const DisplayFigures& figures) {
    std::wstring text;
    for (const DisplayFigures::Piece& piece : figures.pieces) {
        text += WideText(piece.text.Text(),
                         piece.systemText ? TextOrigin::kSystem : TextOrigin::kProgram);
    }
    return text;
}
