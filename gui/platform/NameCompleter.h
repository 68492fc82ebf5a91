#pragma once

class QComboBox;

namespace vantor {

// What a box does with text typed into it that names no item chosen.
enum class TypedText {
    Kept,    // it is a value of its own (a new account's name)
    Dropped, // only a chosen item counts: leaving the box shows that item again
};

// Makes a drop-down box offer the items of its own list while the user types:
// a popup of the items that begin with the typed text, letter case ignored.
// The typed text changes only when the user picks a suggestion, and picking
// one selects that item, as a choice in the list does. Leaving the box or
// pressing Enter in it never selects an item, not even one equal to the text.
// A click on a button of the dialog while the popup shows presses the button.
// The popup filters the box's own model in place, so it costs no copy of a
// list of 100,000 names and follows every later fill of the box.
// The box is editable and inserts nothing, as its layout file says: made
// editable later, its text field would come last in the Tab order.
void offerCompletions(QComboBox* box, TypedText typed);

} // namespace vantor
