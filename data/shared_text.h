// An immutable text that many values share: a data line's text is held once by the month cache,
// and every day that shows the line points at it instead of holding a copy of its own. A year of
// days then allocates nothing for its commemorations' texts. A text may also lie within a larger
// block someone else owns (a month file's decoded text): it then keeps that block alive and
// costs no allocation of its own.
#pragma once

#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace velorith {

class SharedText {
  public:
    SharedText() = default;
    SharedText(std::string_view text)  // NOLINT(google-explicit-constructor): a text is a text
        : size_(text.size()) {
        if (text.empty()) return;
        // The count and the characters in one block.
        std::shared_ptr<char[]> block = std::make_shared_for_overwrite<char[]>(text.size());
        std::memcpy(block.get(), text.data(), text.size());
        text_ = std::move(block);
    }
    SharedText(const std::string& text) : SharedText(std::string_view(text)) {}  // NOLINT
    SharedText(const char* text) : SharedText(std::string_view(text)) {}         // NOLINT
    // The text lying within what owner holds, which it keeps alive; nothing is copied.
    static SharedText Within(const std::shared_ptr<const void>& owner, std::string_view text) {
        SharedText shared;
        shared.size_ = text.size();
        if (!text.empty()) shared.text_ = std::shared_ptr<const char[]>(owner, text.data());
        return shared;
    }

    std::string_view view() const { return {text_ ? text_.get() : "", size_}; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }  // NOLINT

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    const char* data() const { return view().data(); }
    std::size_t find(std::string_view what, std::size_t from = 0) const {
        return view().find(what, from);
    }
    bool operator==(std::string_view other) const { return view() == other; }
    bool operator==(const char* other) const { return view() == other; }

  private:
    std::shared_ptr<const char[]> text_;
    std::size_t size_ = 0;
};

inline std::ostream& operator<<(std::ostream& out, const SharedText& text) {
    return out << text.view();
}

}  // namespace velorith
