#pragma once
// The rules every generated page follows: pages live in the HTML
// sub-directory, lines end with CR LF, header and footer templates are copied
// in line by line, and a template name that trims to nothing means "foobar".
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace gavlin {

// A page collected in memory and written in one go, so that a failure never
// leaves half a page behind.
class PageBuilder {
public:
    void line(std::string_view s) {
        text_ += s;
        text_ += "\r\n";
    }
    // A piece without a line end: the next write continues the same line.
    void piece(std::string_view s) { text_ += s; }
    void raw(std::string_view s) { text_ += s; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

struct PageTemplate {
    bool exists = false;
    std::string lines;  // the file's lines, each ended by CR LF
};

// The file a template name refers to, relative names against dir.
std::filesystem::path TemplatePath(const std::filesystem::path& dir, std::string_view name);

// A template's lines: each ends at CR LF, LF or CR and is written with CR LF;
// a last line without a line end gets one.
std::string TemplateLines(std::string_view content);

// Templates read once per command: many pages share the same few files.
class TemplateCache {
public:
    explicit TemplateCache(std::filesystem::path dir) : dir_(std::move(dir)) {}
    // Throws FileError when the file exists but cannot be read.
    const PageTemplate& get(std::string_view name);

private:
    std::filesystem::path dir_;
    std::unordered_map<std::string, PageTemplate> cache_;
};

// Replaces the page with content. Throws FileError naming the page; a page
// that could not be written completely is removed rather than left cut off.
void WritePage(const std::filesystem::path& file, std::string_view content);

// Creates an empty file when none exists; failures are of no consequence.
void TouchFile(const std::filesystem::path& file);

}  // namespace gavlin
