#include <algorithm>
#include <string_view>

#include "app/string_resources.h"
#include "platform/utf8.h"

namespace {

struct StringEntry {
    unsigned id;
    std::string_view utf8;
};

#define STRING_ENTRY(id, text) {id, text},
constexpr StringEntry kStringTable[] = {
#include "string_table.inc"
};
#undef STRING_ENTRY

}  // namespace

std::wstring LoadStringResource(unsigned id) {
    const auto* entry = std::find_if(std::begin(kStringTable), std::end(kStringTable),
                                     [id](const StringEntry& e) { return e.id == id; });
    if (entry == std::end(kStringTable)) {
        return L"";
    }
    std::wstring text = Utf8ToWide(entry->utf8);
    // The table's path fragments are written with Windows separators.
    std::replace(text.begin(), text.end(), L'\\', L'/');
    return text;
}
