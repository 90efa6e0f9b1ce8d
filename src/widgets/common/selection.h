#pragma once
// Lists and options set from code run no handler by themselves: Qt would run one only when
// the index changes, and also while a list is cleared and refilled. A class that sets its own
// list from code calls its handler itself, exactly where a user's pick would have run it.
#include <QStringList>

class QAbstractButton;
class QComboBox;

// Selects entry index (or none for -1) without any signal.
void SetIndexQuietly(QComboBox* box, int index);
// Replaces the entries and selects entry current (or none for -1) without any signal.
void FillQuietly(QComboBox* box, const QStringList& entries, int current = -1);
// Checks or clears an option or check box without any signal; an option of an exclusive group
// can be cleared too, so that none of the group is checked.
void SetCheckedQuietly(QAbstractButton* button, bool checked);
// "0", "1", ... up to count - 1: the entries of the hour and minute lists.
QStringList NumberEntries(int count);
// The entries of a list, in order.
QStringList Entries(const QComboBox* box);
