// The RTF markup that a data value brings into a report, made safe to join into a document.
//
// Values are RTF fragments copied into the reports. A damaged one must not damage the document
// around it: a stray "}" would close the document early, an unclosed "{\*\x" would hide
// everything after it, "\bin" would swallow the bytes that follow, and a switch such as "\v"
// (hidden text) would carry on into the lines after the entry. BalanceMarkup keeps what the
// data set means (colour switches, bold and italic, escapes, groups) and neutralises the rest:
//
// - a "}" that closes nothing becomes the escaped brace "\}", shown as written;
// - groups left open are closed at the value's end; nesting deeper than kMaxMarkupDepth is shown
//   as text;
// - a group that opens with "\*" or with a destination word ("\fonttbl", "\colortbl", "\info",
//   "\pict", ...) is left out with its content, which no reader shows as text; such a word
//   elsewhere, and the words that belong to a document's header ("\rtf", "\ansicpg", "\deff",
//   "\bin", ...), are left out;
// - a lone backslash at the end, one before a byte that starts no control word or symbol, a
//   broken "\'h", a control word longer than RTF allows are shown as text ("\\");
// - "\uN" at the very end gets its fallback character "?", so that the next line's first
//   character is not taken for it;
// - when the value leaves a formatting switch at its top level that would reach beyond the
//   entry (bold, italic or underline left on, another font, "\v", "\fs", "\plain", ...), the
//   whole value is put in one group, which ends the switch with the entry.
//
// Well-formed markup of that kind comes back byte for byte: BalanceMarkup(v) == v for every
// value that needs nothing of the above, and BalanceMarkup(BalanceMarkup(v)) ==
// BalanceMarkup(v) for every v. Time and memory are linear in the value's size.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velorith {

inline constexpr int kMaxMarkupDepth = 32;

// Whether the value holds any markup at all ("\\", "{" or "}"); most hold none.
bool HasMarkup(std::string_view value);

std::string BalanceMarkup(std::string_view value);
// The same done to a value in place; a sound one is left untouched, and uncopied.
void BalanceMarkupInPlace(std::string& value);

// A whole RTF document as read from a file (the abbreviations): the part of it that readers
// show, and what is wrong with the rest.
struct CheckedDocument {
    std::string text;     // the document as far as it is sound, its open groups closed
    std::string problem;  // empty when the document is whole; else one line saying what is wrong
};

// Checks a document's frame: it begins with "{\rtf", its groups close, and its outer group ends
// at its end. Text after the outer group's end (readers never show it) is cut off; groups still
// open at the end are closed. A document that is whole comes back byte for byte. Escapes and
// "\binN" are honoured; nothing else of the content is changed.
CheckedDocument CheckRtfDocument(std::string_view bytes);

}  // namespace velorith
