// The words of the layers below the interface, in the interface's language.
#include "calendar/words.h"

#include <atomic>
#include <vector>

namespace veltaro {

namespace {

std::atomic<WordTranslation> g_translation{nullptr};

} // namespace

void setWordTranslation(WordTranslation translation) {
    g_translation.store(translation);
}

std::string word(const char* text) {
    const WordTranslation translation = g_translation.load();
    return translation != nullptr ? translation(text) : std::string(text);
}

std::string filled(const std::string& pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace veltaro
