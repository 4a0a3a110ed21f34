#include "core/project/PrintableText.h"

#include "core/project/TextCodec.h"

namespace hydrim {

std::string PrintableExcerpt(const std::string& text, size_t maxCharacters) {
    std::string shown;
    size_t characters = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        const char32_t c = NextCodePoint(text, i);
        if (++characters > maxCharacters) {
            return shown + "…";
        }
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        shown += control ? std::string("?") : text.substr(start, i - start);
    }
    return shown;
}

} // namespace hydrim
