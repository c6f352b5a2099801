#include "shell/HelpBook.h"

#include <algorithm>

#include "store/Text.h"

namespace gavlin {

namespace {

// Shown by command 4 whatever help file is open.
const char* const kHelpOnHelpText = R"(@topic help-on-help Using Help
@keywords help, using; using help
The help window has two pages at the left, Contents and Index, and the text of one topic at the right.
== Contents
The Contents list names every topic of the help file in the order of a short manual. Click a topic to read it.
== Index
The Index list holds key words in alphabetical order. Type the first letters of a word in the box above the list: the
list moves to the first word that begins with them. Press Enter, or double-click a word, to read its topic.
== Reading a topic
Underlined words lead to other topics. Back returns to the topic you read before. Help on Help shows this page.
Close ends the help window; Gavlin itself goes on running.
)";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The links of a line: each [[id]] or [[id|words]].
struct Link {
    size_t begin, end;
    std::string id, words;
};

std::vector<Link> LinksOf(std::string_view line) {
    std::vector<Link> links;
    size_t pos = 0;
    while ((pos = line.find("[[", pos)) != std::string_view::npos) {
        size_t close = line.find("]]", pos + 2);
        if (close == std::string_view::npos) break;
        std::string_view inside = line.substr(pos + 2, close - pos - 2);
        size_t bar = inside.find('|');
        Link link{pos, close + 2, Trim(inside.substr(0, bar)), ""};
        if (bar != std::string_view::npos) link.words = Trim(inside.substr(bar + 1));
        links.push_back(link);
        pos = close + 2;
    }
    return links;
}

std::string InlineHtml(const HelpBook& book, std::string_view line) {
    std::string out;
    size_t done = 0;
    for (const Link& link : LinksOf(line)) {
        out += HtmlEscape(line.substr(done, link.begin - done));
        const HelpTopic* target = book.find(link.id);
        std::string words = !link.words.empty() ? link.words : target ? target->title : link.id;
        out += "<a href=\"topic:" + HtmlEscape(link.id) + "\">" + HtmlEscape(words) + "</a>";
        done = link.end;
    }
    out += HtmlEscape(line.substr(done));
    return out;
}

}  // namespace

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

const HelpTopic* HelpBook::find(std::string_view id) const {
    for (const HelpTopic& t : topics)
        if (t.id == id) return &t;
    return nullptr;
}

HelpBook ParseHelpBook(std::string_view text, bool withHelpOnHelp) {
    HelpBook book;
    std::vector<std::string_view> lines = SplitLines(text);
    std::vector<std::pair<size_t, std::string>> links;  // line number, target
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        const std::string where = "line " + std::to_string(n + 1) + ": ";
        if (StartsWith(line, "#")) continue;
        if (StartsWith(line, "@topic")) {
            std::string rest = Trim(line.substr(6));
            size_t blank = rest.find(' ');
            HelpTopic topic;
            topic.id = rest.substr(0, blank);
            if (blank != std::string::npos) topic.title = Trim(std::string_view(rest).substr(blank + 1));
            if (topic.id.empty() || topic.title.empty())
                book.problems.push_back(where + "a topic needs an id and a title");
            if (book.find(topic.id)) book.problems.push_back(where + "the topic id " + topic.id + " is used twice");
            book.topics.push_back(std::move(topic));
            continue;
        }
        if (book.topics.empty()) {
            if (!Trim(line).empty()) book.problems.push_back(where + "text before the first topic");
            continue;
        }
        HelpTopic& topic = book.topics.back();
        if (StartsWith(line, "@keywords")) {
            std::string_view rest = line.substr(9);
            while (!rest.empty()) {
                size_t semi = rest.find(';');
                std::string keyword = Trim(rest.substr(0, semi));
                if (!keyword.empty()) topic.keywords.push_back(keyword);
                if (semi == std::string_view::npos) break;
                rest.remove_prefix(semi + 1);
            }
            continue;
        }
        if (StartsWith(line, "@")) {
            book.problems.push_back(where + "unknown instruction " + std::string(line));
            continue;
        }
        for (const Link& link : LinksOf(line)) links.emplace_back(n + 1, link.id);
        topic.lines.emplace_back(line);
    }
    // Help on using help belongs to every help file.
    if (withHelpOnHelp) book.topics.push_back(ParseHelpBook(kHelpOnHelpText, false).topics.front());
    for (const auto& [n, id] : links)
        if (!book.find(id)) book.problems.push_back("line " + std::to_string(n) + ": no topic " + id);
    return book;
}

std::vector<HelpIndexEntry> HelpIndex(const HelpBook& book) {
    std::vector<HelpIndexEntry> entries;
    for (const HelpTopic& t : book.topics)
        for (const std::string& k : t.keywords) entries.push_back({k, t.id});
    std::stable_sort(entries.begin(), entries.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
        return LowerAscii(a.keyword) < LowerAscii(b.keyword);
    });
    return entries;
}

size_t FindHelpIndexEntry(const std::vector<HelpIndexEntry>& entries, std::string_view key) {
    const std::string wanted = LowerAscii(Trim(key));
    for (size_t i = 0; i < entries.size(); ++i)
        if (LowerAscii(entries[i].keyword) >= wanted) return i;
    return entries.size();
}

std::string HelpTopicHtml(const HelpBook& book, const HelpTopic& topic) {
    std::string html = "<h2>" + HtmlEscape(topic.title) + "</h2>\n";
    std::string paragraph;
    bool inList = false;
    auto flush = [&] {
        if (!paragraph.empty()) html += "<p>" + paragraph + "</p>\n";
        paragraph.clear();
    };
    auto endList = [&] {
        if (inList) html += "</ul>\n";
        inList = false;
    };
    for (const std::string& raw : topic.lines) {
        std::string_view line = raw;
        std::string trimmed = Trim(line);
        if (trimmed.empty()) {
            flush();
            endList();
        } else if (StartsWith(line, "== ")) {
            flush();
            endList();
            html += "<h3>" + InlineHtml(book, Trim(line.substr(3))) + "</h3>\n";
        } else if (StartsWith(line, "- ")) {
            flush();
            if (!inList) html += "<ul>\n";
            inList = true;
            html += "<li>" + InlineHtml(book, Trim(line.substr(2))) + "</li>\n";
        } else if (inList && StartsWith(line, "  ")) {
            // An indented line continues the list item above it.
            html.insert(html.size() - 6, " " + InlineHtml(book, trimmed));
        } else {
            endList();
            if (!paragraph.empty()) paragraph += ' ';
            paragraph += InlineHtml(book, trimmed);
        }
    }
    flush();
    endList();
    return html;
}

}  // namespace gavlin
