// Reads a dialog template resource (classic or extended form) into plain
// values, so that tests can compare it with the layout it must have.
#pragma once

#include <string>
#include <vector>

#include "framework/Win32.h"

struct TemplateControl {
    DWORD id;
    std::string className;  // predefined classes by name: Button, Edit, Static
    std::string caption;    // an ordinal caption reads "#n"
    int x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string windowClass;
    std::string caption;
    int pointSize = 0;
    int weight = 0;
    int italic = 0;
    int charset = 0;
    std::string font;
    std::vector<TemplateControl> controls;
};

// Loads template `id` from the module's resources; false when it is missing
// or malformed.
bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate* result);
