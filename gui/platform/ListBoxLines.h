#pragma once

class QListWidget;

namespace vantor {

class TextLineList;

// Adds every item of the list control, from the top, to the line list by the
// insertion rule. The line list is not emptied first.
void CopyListBoxLines(const QListWidget& control, TextLineList& lines);

} // namespace vantor
