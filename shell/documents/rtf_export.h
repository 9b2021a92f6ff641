// Turning a pane's formatted text back into RTF, for the clipboard: a word processor that pastes
// it gets the same text, fonts, sizes, bold, italic, underline and colours. Qt reads no RTF and
// writes none, so the program carries this small writer of its own.
#pragma once

#include <QByteArray>

class QTextCursor;
class QTextDocument;

namespace velorith {

// The whole document as an RTF document. The bytes are ASCII: letters of the Windows-1251 code
// page are written as \'hh (the document declares \ansicpg1251), any other character as \uN?.
QByteArray DocumentToRtf(const QTextDocument& document);

// The cursor's selection as an RTF document; an empty selection gives a document without text.
QByteArray SelectionToRtf(const QTextCursor& cursor);

}  // namespace velorith
