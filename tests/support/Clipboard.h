// The clipboard's text, as any program reads it: as UTF-16, converted to Windows-1252.
#pragma once

#include <string>

// The text on the clipboard; empty when there is none or the clipboard can't be opened.
std::string ClipboardText();
// Leaves the clipboard empty, so that a test sees what a copy puts there; waits while another
// program holds it.
bool EmptyTheClipboard();
