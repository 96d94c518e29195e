#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An extended dialog template (DLGTEMPLATEEX) read back into plain values, so that tests can
// compare a compiled dialog resource with its layout. Texts are narrowed to single bytes (the
// templates hold only Windows-1252 characters); an ordinal is kept as its number.

struct TemplateName {
    std::string text;
    int ordinal = -1;  // -1 when the name is a text
};

struct TemplateControl {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    TemplateName windowClass;  // ordinal 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box
    TemplateName text;
};

struct DialogTemplate {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string title;
    int pointSize = 0;
    std::string typeface;
    std::vector<TemplateControl> controls;
};

// False when the data is no extended template or ends early.
bool ReadDialogTemplate(const void* data, size_t size, DialogTemplate& out);
