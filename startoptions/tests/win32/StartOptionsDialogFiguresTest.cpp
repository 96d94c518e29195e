// The rating summary of the options dialog in this process, over scripted display drivers, and
// the figures behind it: its tooltip in the dialog's language, a click that shows them, and
// Ctrl+C, which copies them outside an edit field and the selection inside one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "ScriptedCatalogues.h"
#include "StartOptionsDialogRun.h"
#include "res/QuorvelRes.h"
#include "support/Canvas.h"
#include "support/Clipboard.h"
#include "support/Cp1252.h"
#include "support/Wait.h"

namespace {

using scripted::Board;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

std::string WithCrLf(const std::string& text) {
    return std::regex_replace(text, std::regex("\n"), "\r\n");
}

// Ctrl+C outside an edit field, and what it put on the clipboard.
std::string CopiedWithCtrlC(const DialogDriver& dialog) {
    EmptyTheClipboard();
    dialog.PressCtrlC();
    WaitFor([] { return !ClipboardText().empty(); });
    return ClipboardText();
}

// The lines window paints, each as wide as from its leftmost to its rightmost dark pixel. Rows
// without one part the lines; a band of a few rows (the tip of a descender, parted by a row of
// fainter pixels) belongs to the line above. Painted into a bitmap on the window's own thread
// (WM_PRINTCLIENT).
std::vector<int> PaintedLineWidths(HWND window) {
    constexpr int kTipRows = 3;
    RECT client = {};
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    struct Band {
        int top, bottom, left, right;
    };
    std::vector<Band> bands;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = canvas.At(x, y);
            if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) >= 3 * 128) {
                continue;
            }
            if (bands.empty() || bands.back().bottom < y - 1) {
                bands.push_back({y, y, x, x});
            }
            Band& band = bands.back();
            band = {band.top, y, std::min(band.left, x), std::max(band.right, x)};
        }
    }
    std::vector<int> widths;
    int right = 0, left = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        if (i > 0 && band.bottom - band.top < kTipRows) {
            left = std::min(left, band.left);
            right = std::max(right, band.right);
            widths.back() = right - left + 1;
            continue;
        }
        left = band.left;
        right = band.right;
        widths.push_back(right - left + 1);
    }
    return widths;
}

// How wide line is in window's font, with flags (DT_NOPREFIX or not), as the system draws it.
int TextWidth(HWND window, const std::string& line, UINT flags) {
    RECT rect = {};
    HDC dc = GetDC(window);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
    DrawTextW(dc, Widen(line).c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE | flags);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return rect.right - rect.left;
}

// Whether window, which shows text, shows the line of text that holds "&" with each "&" as it is
// rather than as the mark of an access key: it paints that line about as wide as the line as it
// is, not as the line read with marks.
::testing::AssertionResult ShowsAmpersandsAsTheyAre(HWND window, const std::string& text) {
    const std::vector<std::string> lines = Lines(text);
    const std::vector<int> painted = PaintedLineWidths(window);
    if (painted.size() != lines.size()) {
        return ::testing::AssertionFailure()
               << painted.size() << " lines painted for " << lines.size() << ": " << text;
    }
    const auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find('&') != std::string::npos;
    });
    if (line == lines.end()) {
        return ::testing::AssertionFailure() << "no \"&\" in " << text;
    }
    const int asItIs = TextWidth(window, *line, DT_NOPREFIX);
    const int withMarks = TextWidth(window, *line, 0);
    const int width = painted[line - lines.begin()];
    if (std::abs(width - asItIs) < std::abs(width - withMarks)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << *line << "\" painted " << width << " pixels wide: " << asItIs << " as it is, "
           << withMarks << " with marks";
}

TEST_F(StartOptionsDialogTest, SummaryTooltipGivesTheMeasuredFiguresInTheDialogsLanguage) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    const std::string summaryText = dialog.Text(IDC_RATING);
    const std::vector<std::string> summary = Lines(summaryText);
    ASSERT_EQ(summary.size(), 5u) << summaryText;
    // The machine's whole memory, as this test's own 64-bit query finds it.
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const uint64_t totalMb = (status.ullTotalPhys + 655360) / 1048576;
    EXPECT_EQ(summary[2], std::to_string(totalMb) + " MB RAM");

    // The first run speaks German. The figures are those the summary rates: the clock of its
    // processor line, the scripted board's 16 MB with hardware TnL, the disk of this program.
    const std::vector<std::string> german = Lines(FiguresOf(dialog));
    ASSERT_EQ(german.size(), 11u) << FiguresOf(dialog);
    const std::string clock = summary[1].substr(summary[1].rfind(' ') + 1);
    EXPECT_EQ(german[0], "Prozessor: " + clock + " MHz");
    std::smatch memory;
    ASSERT_TRUE(
        std::regex_match(german[1], memory, std::regex("Freier Arbeitsspeicher: ([0-9]+) MB")))
        << german[1];
    EXPECT_LE(std::stoull(memory[1]), totalMb);
    if (status.ullAvailPhys > (3ull << 30)) {
        EXPECT_GT(std::stoull(memory[1]), 2048u) << "no 32-bit cap";
    }
    EXPECT_EQ(german[2],
              "Texturspeicher: 16 MB, Hardware-Transformation und -Beleuchtung: ja (jede "
              "Grafikkarte z\xE4"
              "hlt, auch eine, die das Spiel nicht nutzen kann)");
    const bool diskRated = summary[4].find("HDD:000") == std::string::npos;
    const char* diskLine = diskRated
                               ? "Festplatte: schreiben [1-9][0-9]* MB/s, lesen [1-9][0-9]* MB/s, "
                                 "in C:\\\\"
                               : "Festplatte mit 0 bewertet: Der Test dauerte zu lange\\.";
    EXPECT_TRUE(std::regex_match(german[3], std::regex(diskLine)))
        << summary[4] << " " << german[3];
    EXPECT_EQ(german[4],
              "Durchschnitt: Der Arbeitsspeicher z\xE4"
              "hlt am meisten, dann Prozessor, Grafik und Festplatte.");
    // Then what the game can draw with: the card, and each of its renderers.
    EXPECT_EQ(std::vector<std::string>(german.begin() + 5, german.begin() + 10),
              (std::vector<std::string>{
                  "Grafikkarten und Renderer f\xFC"
                  "r das Spiel:",
                  "Board (display.dll certified): verwendbar",
                  "    RGB: kann Texturen nicht im Grafikspeicher halten", "    HAL: verwendbar",
                  "    TL: Hardware-Transformation und -Beleuchtung, die das Spiel nicht nutzen "
                  "kann"}));
    EXPECT_EQ(german[10], "F1 zeigt diese Angaben, Strg+C kopiert sie.");

    // Another language relabels the figures; the summary stays as it is.
    dialog.Choose(IDC_LANGUAGE, kFrench);
    const std::string french = FiguresOf(dialog);
    EXPECT_EQ(Lines(french).at(0), "Processeur : " + clock + " MHz");
    EXPECT_EQ(Lines(french).at(2),
              "M\xE9"
              "moire de textures : 16 Mo, transformation et \xE9"
              "clairage mat\xE9"
              "riels : oui (toutes les cartes graphiques comptent, m\xEA"
              "me celles que le jeu ne peut pas utiliser)");
    EXPECT_EQ(dialog.Text(IDC_RATING), summaryText);

    EXPECT_EQ(Lines(french).back(), "F1 affiche ces chiffres, Ctrl+C les copie.");

    // Ctrl+C outside an edit field hands on the summary and the figures as the tooltip shows them,
    // without the line about the keys.
    dialog.Focus(IDC_OK);
    EXPECT_EQ(CopiedWithCtrlC(dialog),
              WithCrLf(summaryText + "\n\n" + french.substr(0, french.rfind('\n')) + "\n"));
}

// A click or a tap on the summary, as a player gives it.
void ClickOnTheSummary(const DialogDriver& dialog) {
    dialog.Send(IDC_RATING, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    dialog.Send(IDC_RATING, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// A click or a tap on the summary shows the figures beside it, as F1 does; another hides them.
TEST_F(StartOptionsDialogTest, ClickOnTheSummaryShowsTheFigures) {
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    auto click = [&] { ClickOnTheSummary(dialog); };
    EXPECT_EQ(dialog.ShownTip(), "");
    click();
    EXPECT_TRUE(WaitFor([&] { return !dialog.ShownTip().empty(); }, 5000));
    EXPECT_EQ(dialog.ShownTip(), FiguresOf(dialog));
    // Beside the summary: its top left at the summary's bottom left, or above the summary (the
    // tooltip's frame may take a pixel or two).
    RECT tip = {};
    GetWindowRect(dialog.ShownTipWindow(), &tip);
    const RECT summary = dialog.Frame(IDC_RATING);
    auto touches = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
    EXPECT_TRUE(touches(tip.left, summary.left)) << tip.left << " " << summary.left;
    EXPECT_TRUE(touches(tip.top, summary.bottom) || touches(tip.bottom, summary.top)) << tip.top;
    click();
    EXPECT_TRUE(WaitFor([&] { return dialog.ShownTip().empty(); }, 5000));
}

// The summary names the processor as the system gives its name; an "&" in it is no access key.
TEST_F(StartOptionsDialogTest, ProcessorWithAnAmpersandShowsAsItIs) {
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    const std::string processor = "R&D Labs 486 DX2 & FPU 66 MHz";
    dialog.Type(IDC_RATING, processor);
    EXPECT_TRUE(ShowsAmpersandsAsTheyAre(dialog.Item(IDC_RATING), processor));
}

TEST_F(StartOptionsDialogTest, CtrlCInTheTclFieldCopiesItsSelectionOnly) {
    DialogRun run({Board(std::nullopt)}, "-advanced");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Type(IDC_TCL_DEFINES, "FULL NOSOUND");
    dialog.Focus(IDC_TCL_DEFINES);
    dialog.Send(IDC_TCL_DEFINES, EM_SETSEL, 5, 12);
    EXPECT_EQ(CopiedWithCtrlC(dialog), "NOSOUND");
    EXPECT_EQ(dialog.Text(IDC_TCL_DEFINES), "FULL NOSOUND");
}

// Run by readonly-root.sh from drive R:, whose root can't be written, with a temporary folder that
// can't be written either.
TEST_F(StartOptionsDialogTest, DiskThatTookNothingSaysSo) {
    if (std::getenv("KRUMBEL_READONLY_ROOT") == nullptr) {
        GTEST_SKIP() << "needs a read-only drive root (readonly-root.sh)";
    }
    SetEnvironmentVariableA("TMP", "R:\\locked");
    SetEnvironmentVariableA("TEMP", "R:\\locked");
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    EXPECT_NE(dialog.Text(IDC_RATING).find("HDD:000"), std::string::npos);
    const std::string why =
        "Festplatte mit 0 bewertet: Auf dem Laufwerk des Programms lie\xDF"
        " sich nichts schreiben.";
    EXPECT_EQ(Lines(FiguresOf(dialog)).at(3), why);
    EXPECT_NE(CopiedWithCtrlC(dialog).find(why + "\r\n"), std::string::npos);
}

// Run by readonly-root.sh from drive R:, whose root can't be written: the disk test writes into
// the temporary folder, whose name holds the user's, "&" too. The figures name it as it is.
TEST_F(StartOptionsDialogTest, TemporaryFolderWithAnAmpersandShowsAsItIs) {
    if (std::getenv("KRUMBEL_READONLY_ROOT") == nullptr) {
        GTEST_SKIP() << "needs a read-only drive root (readonly-root.sh)";
    }
    const std::string folder = "R:\\tmp\\Tom & Ann\\Temp\\";
    for (size_t end = folder.find('\\', 7); end != std::string::npos;
         end = folder.find('\\', end + 1)) {
        CreateDirectoryA(folder.substr(0, end).c_str(), nullptr);
    }
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());
    DialogRun run({Board(std::nullopt)}, "");
    DialogDriver dialog = run.WaitFilled();
    ASSERT_TRUE(dialog);
    dialog.Choose(IDC_LANGUAGE, kEnglish);  // no accents that could join two lines' ink
    const std::string figures = FiguresOf(dialog);
    ASSERT_NE(figures.find(", in " + folder + "\n"), std::string::npos) << figures;
    ClickOnTheSummary(dialog);
    ASSERT_TRUE(WaitFor([&] { return dialog.ShownTip() == figures; }, 5000));
    EXPECT_TRUE(ShowsAmpersandsAsTheyAre(dialog.ShownTipWindow(), figures));
}

}  // namespace
