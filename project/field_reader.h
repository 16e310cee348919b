// Splits project text into fields as they are read back: in sequence whatever
// the line breaks, a quoted field up to its closing quote (a doubled quote
// inside it stands for one), an unquoted one up to the next comma or line end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelp {

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}
    // The next field, or nullopt when the text is used up.
    std::optional<std::string> Next();

private:
    std::string Quoted();
    std::string Unquoted();
    void SkipDelimiter();
    bool AtLineEnd() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace kelp
