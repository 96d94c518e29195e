#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one place where narrow texts (KStr) become the UTF-16 texts of the W functions, and back.
// Every text the programs put on the screen goes through here, so that it reads as written whatever
// the player's system code page. The A functions would read the programs' Windows-1252 bytes in
// that code page instead: on a Cyrillic system the o umlaut of "Aufloesung" shows as a Cyrillic
// letter, and on a double-byte system an accented letter can swallow the character after it.

// Where a narrow text comes from, which decides the code page it is read in.
enum class TextOrigin {
    // Written by us, in the sources and the resources: Windows-1252 on every system.
    kProgram,
    // Handed over by the system through the A functions (registry values the game reads too, the
    // display drivers' names): the system's ANSI code page, and back to it unchanged.
    kSystem,
    // Paths kept as UTF-8 between the portable rules and the W functions, so that every
    // character of a user's folder names survives.
    kUtf8,
};

std::wstring WideText(std::string_view text, TextOrigin origin = TextOrigin::kProgram);
// A character the code page lacks becomes the code page's default character ("?").
std::string NarrowText(std::wstring_view text, TextOrigin origin = TextOrigin::kProgram);
// The text in the code page of origin exactly, or none when a character has no exact
// counterpart there: what is read back must not come out changed, or it would be written back so.
std::optional<std::string> ExactNarrowText(std::wstring_view text, TextOrigin origin);
// The UTF-16 text that the system's A functions make of bytes in the system's code page, which
// WideText's conversion matches except on a double-byte code page: there a lead byte takes the
// byte after it as its trail, even the terminator when the bytes include it (as a REG_SZ value's
// data does), and an invalid pair becomes one default character.
std::wstring WideTextAsTheAFunctions(std::string_view bytes);
