#pragma once

#include <QString>

// The eight bindings the learner can change, as Config.cfg names them: the key under which
// both sections store them, the virtual-key code that acts by default and the text the
// settings dialog shows by default.
struct TKeyBinding
{
    const char* key;
    int code;
    const char* text;
};

inline constexpr TKeyBinding KeyBindings[8] = {
    {"EDTA", 103, "7"}, {"EDTB", 100, "4"}, {"EDTC", 97, "1"},        {"EDTD", 96, "0"},
    {"EDTY", 103, "7"}, {"EDTN", 100, "4"}, {"EDTPRE", 33, "PageUp"}, {"EDTNEXT", 34, "PageDown"},
};

// Config.cfg beside the executable, or in the learner's own data folder (as the launcher uses)
// where the executable's folder cannot be written.
QString ConfigFilePath();
