// The operating instructions and the about box's text: the program's own
// words for a highway designer, kept as data apart from the windows that
// show them.
#pragma once

#include <span>
#include <string>

namespace kelp {

// The version shown in the about box; the build passes the project's version.
inline constexpr const char* kProgramVersion = KELP_VERSION;

struct HelpTopic {
    const char* anchor;  // link target within the instructions
    const char* title;
    const char* html;    // the topic's body
};

std::span<const HelpTopic> HelpTopics();

// The whole instructions as one HTML document: the contents, then each topic.
std::string HelpHtml();

// The about box: the program's title, version and owner.
std::string AboutHtml();

}  // namespace kelp
