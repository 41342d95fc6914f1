#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

// A list box the teacher may type into, as designed, where typing is no choice: the typed text
// stays, but no item is chosen, also when the edit is finished with Return or by leaving the box,
// where the box would otherwise choose the item that has the typed text. A choice is made only
// from the list itself. It starts with nothing chosen.
QComboBox *makeChoiceBox(QWidget *parent, const QStringList &items);
