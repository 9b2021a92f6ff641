// A report pane's content: the runs the core RTF reader found, laid into a QTextDocument.
// Font 0 is the report font, font 1 the monospaced sign font; a font the system lacks is
// replaced by one that sets the same text the same way.
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

class QTextDocument;

namespace velorith {

struct RtfContent;

// The most of one paragraph a pane shows, in bytes of its UTF-8 text; what lies beyond is cut
// and a "…" marks the cut.
inline constexpr std::size_t kMaxParagraphBytes = 64 * 1024;

// Replaces the document's content with the runs of `content`.
void FillDocument(QTextDocument& doc, const RtfContent& content);
// Reads the RTF bytes and fills the document with them.
void LoadRtf(QTextDocument& doc, std::string_view rtfBytes);

// The family to draw a document's font with: itself when installed; for "Courier New" a
// metric-compatible or at least monospaced family; for anything else unknown ("System") the
// desktop's general font.
QString ResolveFontFamily(const QString& family);

}  // namespace velorith
