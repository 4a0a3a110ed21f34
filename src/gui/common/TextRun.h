// A run of text drawn in one style: normal, or raised as an exponent
// ("km²", "m3.s-1" with "3" and "-1" raised).
#pragma once

#include <QString>

namespace hydrim::gui {

struct TextRun {
    QString text;
    bool superscript = false;
    bool operator==(const TextRun&) const = default;
};

} // namespace hydrim::gui
