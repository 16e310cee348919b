// The text of a PDF's pages as poppler's pdftotext reads it, keeping the
// layout, so a test can find a caption and its value on one line.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace kelp::testing {

// One string per page; empty when the file cannot be read.
inline std::vector<std::string> PdfPages(const std::string& pdf) {
    std::string command = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::string text;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
        pclose(out);
    }
    // pdftotext ends every page with a form feed.
    std::vector<std::string> pages;
    for (std::size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos;
         start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

// The words follow one another from `at`, separated by blanks only.
inline bool WordsAt(const std::string& line, std::size_t at,
                    const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            std::size_t next = line.find_first_not_of(" \t", at);
            if (next == at || next == std::string::npos) return false;
            at = next;
        }
        if (line.compare(at, words[i].size(), words[i]) != 0) return false;
        at += words[i].size();
    }
    return true;
}

// Words in this order on one line, separated by blanks only.
inline bool HasLine(const std::string& page, const std::vector<std::string>& words) {
    if (words.empty()) return true;
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);)
        for (std::size_t at = line.find(words[0]); at != std::string::npos;
             at = line.find(words[0], at + 1))
            if (WordsAt(line, at, words)) return true;
    return false;
}

}  // namespace kelp::testing
