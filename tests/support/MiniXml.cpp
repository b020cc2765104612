#include "MiniXml.h"
#include <cctype>

namespace testing {

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    std::unique_ptr<XmlElement> Document()
    {
        SkipMisc();
        auto root = Element();
        SkipMisc();
        if (at_ != s_.size()) Fail("content after the root element");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& why) { throw std::runtime_error("XML: " + why + " at " + std::to_string(at_)); }
    bool Starts(const char* token) const { return s_.compare(at_, std::char_traits<char>::length(token), token) == 0; }
    void SkipSpace() { while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_; }
    void SkipPast(const char* end)
    {
        const size_t found = s_.find(end, at_);
        if (found == std::string::npos) Fail(std::string("missing ") + end);
        at_ = found + std::char_traits<char>::length(end);
    }
    // Spaces, comments, declarations, processing instructions, text.
    void SkipMisc()
    {
        for (;;) {
            SkipSpace();
            if (Starts("<!--")) SkipPast("-->");
            else if (Starts("<?")) SkipPast("?>");
            else if (Starts("<!")) SkipPast(">");
            else return;
        }
    }
    std::string Name()
    {
        const size_t start = at_;
        while (at_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[at_])) || std::string(":_-.").find(s_[at_]) != std::string::npos))
            ++at_;
        if (at_ == start) Fail("name expected");
        return s_.substr(start, at_ - start);
    }
    std::unique_ptr<XmlElement> Element()
    {
        if (!Starts("<")) Fail("element expected");
        ++at_;
        auto e = std::make_unique<XmlElement>();
        e->name = Name();
        for (;;) {
            SkipSpace();
            if (Starts("/>")) {
                at_ += 2;
                return e;
            }
            if (Starts(">")) {
                ++at_;
                break;
            }
            const std::string attribute = Name();
            SkipSpace();
            if (!Starts("=")) Fail("= expected");
            ++at_;
            SkipSpace();
            const char quote = s_[at_];
            if (quote != '"' && quote != '\'') Fail("quoted value expected");
            const size_t end = s_.find(quote, at_ + 1);
            if (end == std::string::npos) Fail("unterminated value");
            if (!e->attributes.emplace(attribute, s_.substr(at_ + 1, end - at_ - 1)).second) Fail("repeated attribute");
            at_ = end + 1;
        }
        for (;;) {
            SkipMisc();
            while (at_ < s_.size() && s_[at_] != '<') ++at_; // text
            if (Starts("</")) {
                at_ += 2;
                if (Name() != e->name) Fail("mismatched end tag");
                SkipSpace();
                if (!Starts(">")) Fail("> expected");
                ++at_;
                return e;
            }
            if (at_ >= s_.size()) Fail("unterminated element " + e->name);
            if (Starts("<!--") || Starts("<?")) continue;
            e->children.push_back(Element());
        }
    }

    const std::string& s_;
    size_t at_ = 0;
};

} // namespace

const XmlElement* XmlElement::Child(const std::string& child) const
{
    const XmlElement* found = nullptr;
    for (const auto& c : children)
        if (c->name == child) {
            if (found) throw std::runtime_error("XML: several " + child + " in " + name);
            found = c.get();
        }
    return found;
}

void XmlElement::FindAll(const std::string& wanted, std::vector<const XmlElement*>& found) const
{
    if (name == wanted) found.push_back(this);
    for (const auto& c : children) c->FindAll(wanted, found);
}

std::unique_ptr<XmlElement> ParseXml(const std::string& text)
{
    return Parser(text).Document();
}

} // namespace testing
