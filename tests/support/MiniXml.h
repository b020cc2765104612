// A small XML reader, enough for an application manifest: elements, attributes,
// text ignored; comments, declarations and processing instructions skipped.
#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing {

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<XmlElement>> children;

    // The only child named `child`; null if none, throws if several.
    const XmlElement* Child(const std::string& child) const;
    // Every element below this one (itself included) named `name`.
    void FindAll(const std::string& name, std::vector<const XmlElement*>& found) const;
};

// Throws std::runtime_error on malformed input.
std::unique_ptr<XmlElement> ParseXml(const std::string& text);

} // namespace testing
