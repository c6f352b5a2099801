#pragma once
// The help file: a plain text file of topics, readable and editable as it
// stands. Its format:
//
//   # a comment line
//   @topic <id> <title>        starts a topic; the first topic is the contents
//   @keywords one; two; three  index entries that lead to the current topic
//   == Heading                 a heading inside the topic
//   - item                     an item of a list
//   text                       paragraph text; a blank line ends a paragraph
//
// Inside text, [[id]] links to a topic (shown by its title) and [[id|words]]
// shows the words instead.
#include <string>
#include <string_view>
#include <vector>

namespace gavlin {

struct HelpTopic {
    std::string id, title;
    std::vector<std::string> keywords;
    std::vector<std::string> lines;  // body lines as written
};

struct HelpBook {
    std::vector<HelpTopic> topics;
    std::vector<std::string> problems;  // mistakes in the file, with line numbers; the rest is still usable

    const HelpTopic* find(std::string_view id) const;
};

// The topic of help on using help, which every book gets after its own topics.
inline constexpr const char* kHelpOnHelpTopic = "help-on-help";

HelpBook ParseHelpBook(std::string_view text, bool withHelpOnHelp = true);

struct HelpIndexEntry {
    std::string keyword, topicId;
};

// Every keyword with its topic, sorted without regard to case.
std::vector<HelpIndexEntry> HelpIndex(const HelpBook& book);

// The first entry whose keyword begins with key (case and surrounding blanks
// ignored), else the entry where key would stand; entries.size() past the end.
size_t FindHelpIndexEntry(const std::vector<HelpIndexEntry>& entries, std::string_view key);

// ASCII letters in lower case: keywords are compared this way.
std::string LowerAscii(std::string_view s);

// The topic as HTML for the viewer; links are "topic:<id>".
std::string HelpTopicHtml(const HelpBook& book, const HelpTopic& topic);

}  // namespace gavlin
