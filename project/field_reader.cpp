#include "project/field_reader.h"

namespace kelp {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<std::string> FieldReader::Next() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return std::nullopt;
    std::string field = text_[pos_] == '"' ? Quoted() : Unquoted();
    SkipDelimiter();
    return field;
}

std::string FieldReader::Quoted() {
    std::string field;
    for (++pos_; pos_ < text_.size(); ++pos_) {
        if (text_[pos_] != '"') {
            field += text_[pos_];
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            field += '"';
            ++pos_;
        } else {
            ++pos_;
            break;
        }
    }
    // Anything between the closing quote and the delimiter is not part of it.
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
    return field;
}

std::string FieldReader::Unquoted() {
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
    std::size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) --end;
    return std::string(text_.substr(start, end - start));
}

void FieldReader::SkipDelimiter() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

bool FieldReader::AtLineEnd() const { return text_[pos_] == '\r' || text_[pos_] == '\n'; }

}  // namespace kelp
