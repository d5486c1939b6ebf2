// EscapeXaml on any text: the result holds no raw markup character or line break, and
// reading the entities back gives the text with every kind of line break as one tag.

#include "markup/modXaml.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Unescape(const std::string& escaped)
{
    static const std::pair<std::string, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}, {"&quot;", '"'}, {"<LineBreak/>", '\n'}};
    std::string text;
    for (size_t at = 0; at < escaped.size();) {
        bool matched = false;
        for (const auto& [entity, character] : entities) {
            if (escaped.compare(at, entity.size(), entity) == 0) {
                text += character;
                at += entity.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            text += escaped[at++];
    }
    return text;
}

// Each CR LF, LF CR, lone LF and lone CR becomes one LF, in the order EscapeXaml replaces them.
std::string OneKindOfLineBreak(const std::string& text)
{
    std::string result = text;
    for (const char* pair : {"\r\n", "\n\r"}) {
        for (size_t at = result.find(pair); at != std::string::npos; at = result.find(pair, at + 1))
            result.replace(at, 2, "\x01");
    }
    for (char& character : result)
        if (character == '\r' || character == '\x01')
            character = '\n';
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    // The marker byte stands for a line-break pair in the comparison, so it may not occur itself.
    for (char& character : text)
        if (character == '\x01')
            character = ' ';
    const std::string escaped = modXaml::EscapeXaml(text);
    std::string withoutTags = escaped;
    for (size_t at = withoutTags.find("<LineBreak/>"); at != std::string::npos; at = withoutTags.find("<LineBreak/>"))
        withoutTags.erase(at, 12);
    if (withoutTags.find_first_of("<>'\"\r\n") != std::string::npos || Unescape(escaped) != OneKindOfLineBreak(text)) {
        std::fprintf(stderr, "EscapeXaml gave %s\n", escaped.c_str());
        std::abort();
    }
    return 0;
}
