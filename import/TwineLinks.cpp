#include "import/TwineLinks.h"

namespace TarnViewModel {

TwineLink ParseLink(const std::string& inside)
{
    const std::string link = inside.substr(0, inside.find("]["));
    if (const std::size_t arrow = link.rfind("->"); arrow != std::string::npos) {
        return {link.substr(0, arrow), link.substr(arrow + 2), true};
    }
    if (const std::size_t arrow = link.find("<-"); arrow != std::string::npos) {
        return {link.substr(arrow + 2), link.substr(0, arrow), true};
    }
    if (const std::size_t bar = link.rfind('|'); bar != std::string::npos) {
        return {link.substr(0, bar), link.substr(bar + 1), true};
    }
    return {link, link, false};
}

LinkedText ExtractLinks(const std::string& text)
{
    LinkedText linked;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string kept;
        bool onlyLinks = true;
        bool anyLink = false;
        std::size_t position = 0;
        for (;;) {
            const std::size_t open = line.find("[[", position);
            const std::size_t close = open == std::string::npos ? std::string::npos : line.find("]]", open + 2);
            const std::string between = line.substr(position, close == std::string::npos ? std::string::npos : open - position);
            kept += between;
            onlyLinks = onlyLinks && between.find_first_not_of(" \t") == std::string::npos;
            if (close == std::string::npos) {
                break;
            }
            TwineLink link = ParseLink(line.substr(open + 2, close - open - 2));
            kept += link.text;
            linked.links.push_back(std::move(link));
            anyLink = true;
            position = close + 2;
        }
        if (!(anyLink && onlyLinks)) {
            linked.text += kept + '\n';
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    const std::size_t last = linked.text.find_last_not_of(" \t\n");
    linked.text.erase(last == std::string::npos ? 0 : last + 1);
    return linked;
}

}  // namespace TarnViewModel
