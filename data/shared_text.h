// An immutable text that many values share: a data line's text is held once by the month cache,
// and every day that shows the line points at it instead of holding a copy of its own. A year of
// days then allocates nothing for its commemorations' texts.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace velorith {

class SharedText {
  public:
    SharedText() = default;
    SharedText(std::string text)  // NOLINT(google-explicit-constructor): a text is a text
        : text_(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text))) {}
    SharedText(std::string_view text) : SharedText(std::string(text)) {}  // NOLINT
    SharedText(const char* text) : SharedText(std::string(text)) {}       // NOLINT

    const std::string& str() const { return text_ ? *text_ : Empty(); }
    operator const std::string&() const { return str(); }  // NOLINT
    operator std::string_view() const { return str(); }    // NOLINT

    bool empty() const { return str().empty(); }
    std::size_t size() const { return str().size(); }
    const char* data() const { return str().data(); }
    std::size_t find(std::string_view what, std::size_t from = 0) const {
        return str().find(what, from);
    }
    bool operator==(std::string_view other) const { return str() == other; }
    bool operator==(const char* other) const { return str() == other; }

  private:
    static const std::string& Empty() {
        static const std::string kEmpty;
        return kEmpty;
    }
    std::shared_ptr<const std::string> text_;
};

inline std::ostream& operator<<(std::ostream& out, const SharedText& text) {
    return out << text.str();
}

}  // namespace velorith
