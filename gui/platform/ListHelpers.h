#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

namespace vantor {

// List and combo boxes that keep their items sorted alphabetically, ignoring
// case, and find "the first item that begins with" a text, ignoring case.
// Sorted boxes are searched by halving, so a box of 100,000 names still
// answers at once.

// Inserts in sorted place, behind items that compare equal; returns the index.
int addSorted(QComboBox* box, const QString& text);
int addSorted(QListWidget* list, const QString& text);
// Replaces the items with the texts, sorted; much faster than adding one by one.
void fillSorted(QComboBox* box, QStringList texts);
void fillSorted(QListWidget* list, QStringList texts);

// The first item that begins with `prefix`, ignoring case; -1 when none.
int findPrefixSorted(const QComboBox* box, const QString& prefix);
int findPrefixSorted(const QListWidget* list, const QString& prefix);
// The same for a box in any order (a linear search from the top).
int findPrefix(const QComboBox* box, const QString& prefix);

// The first item whose whole text equals `text` exactly; -1 when none.
int findExact(const QComboBox* box, const QString& text);

// In a sorted box: the item whose text equals `text` exactly; -1 when none.
int findExactSorted(const QComboBox* box, const QString& text);
// In a sorted box: the item whose text equals `text`, else the one item equal
// to it ignoring case; -1 when there is none, or several that differ from it
// only in case.
int findEqualSorted(const QComboBox* box, const QString& text);

} // namespace vantor
