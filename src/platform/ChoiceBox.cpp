#include "platform/ChoiceBox.h"

#include <QComboBox>
#include <QLineEdit>

namespace
{

// Keeps typed text from choosing an item; it lives as long as its box.
class TypedTextIsNoChoice final : public QObject
{
public:
    explicit TypedTextIsNoChoice(QComboBox *combo) : QObject(combo), m_combo(combo)
    {
        auto *edit = new QLineEdit(combo);
        // Connected before and after the box's own handler of the finished edit.
        connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishing = true; });
        combo->setLineEdit(edit);
        connect(edit, &QLineEdit::editingFinished, this, &TypedTextIsNoChoice::editFinished);
        connect(edit, &QLineEdit::textEdited, this, &TypedTextIsNoChoice::textTyped);
        connect(combo, &QComboBox::currentIndexChanged, this, &TypedTextIsNoChoice::indexChanged);
    }

private:
    void textTyped()
    {
        m_typed = true;
        forgetChoiceKeepingText();
    }
    void editFinished()
    {
        m_finishing = false;
        if (m_typed) {
            forgetChoiceKeepingText();
        }
    }
    void indexChanged(int index)
    {
        if (index >= 0 && !m_finishing) {
            m_typed = false;
        }
    }
    void forgetChoiceKeepingText()
    {
        QLineEdit *edit = m_combo->lineEdit();
        const QString typed = edit->text();
        const int cursor = edit->cursorPosition();
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(typed);
        edit->setCursorPosition(cursor);
    }

    QComboBox *m_combo;
    bool m_typed = false;
    bool m_finishing = false;
};

} // namespace

QComboBox *makeChoiceBox(QWidget *parent, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    new TypedTextIsNoChoice(combo);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}
