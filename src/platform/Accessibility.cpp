#include "platform/Accessibility.h"

#include "platform/Controls.h"
#include "platform/DragDrop.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace
{

// A label presented as a notification, named by its text.
class NotificationInterface final : public QAccessibleWidget
{
public:
    explicit NotificationInterface(AnnouncementLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel *>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// A candidate answer: a button named by its caption, pressed as a drop.
class CandidateInterface final : public QAccessibleWidget
{
public:
    explicit CandidateInterface(CandidateLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return candidate()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = candidate()->isSelected();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            candidate()->activate();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    CandidateLabel *candidate() const { return static_cast<CandidateLabel *>(widget()); }
};

// A drawn line: read by its spoken name when it has one, else left out of what is read.
class LineInterface final : public QAccessibleWidget
{
public:
    explicit LineInterface(DrawnLine *line)
        : QAccessibleWidget(line, line->accessibleName().isEmpty() ? QAccessible::Separator
                                                                   : QAccessible::StaticText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty()) {
            s.invisible = true;
        }
        return s;
    }
};

// A line edit read as Qt's own, except that its whole text is one run of attributes. Qt 6.4
// answers an empty run at every offset, and Orca, which speaks a line run by run, then leaves
// out its last character: "90.79" was heard as "90.7", "Mia" as "Mi".
class LineEditInterface final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface
{
public:
    explicit LineEditInterface(QLineEdit *edit) : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        if (t == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && !shownText().isEmpty()) {
            return shownText();
        }
        const QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description) {
            return edit()->placeholderText();
        }
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.selectableText = true;
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        return s;
    }

    // Text
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        if (offset < 0 || offset > *endOffset) {
            *startOffset = *endOffset = offset;
        }
        return QString();
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset) {
            return QString();
        }
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(edit()->selectedText().size());
        }
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0) {
            edit()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0) {
            edit()->setSelection(startOffset, endOffset - startOffset);
        }
    }
    QRect characterRect(int offset) const override
    {
        // The text's place as the line edit draws it: its contents, less the frame's margins,
        // aligned as the box aligns it.
        QStyleOptionFrame option;
        option.initFrom(edit());
        option.lineWidth = edit()->hasFrame() ? 1 : 0;
        const QRect contents =
            edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit());
        const QFontMetrics metrics(edit()->font());
        const QString shown = shownText();
        const int whole = metrics.horizontalAdvance(shown);
        int left = contents.left() + 2;
        if (edit()->alignment() & Qt::AlignRight) {
            left = contents.right() - 2 - whole;
        } else if (edit()->alignment() & Qt::AlignHCenter) {
            left = contents.left() + (contents.width() - whole) / 2;
        }
        const int x = left + metrics.horizontalAdvance(shown.left(offset));
        const int width = metrics.horizontalAdvance(shown.mid(offset, 1));
        const QRect local(x, contents.top() + (contents.height() - metrics.height()) / 2, width,
                          metrics.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = edit()->mapFromGlobal(point);
        if (!edit()->rect().contains(local)) {
            return -1;
        }
        return edit()->cursorPositionAt(local);
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // Editable text
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (edit()->isReadOnly()) {
            return;
        }
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
    // A password box is read as what it shows.
    QString shownText() const
    {
        return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : edit()->displayText();
    }
};

// An option button read once with its question: Qt makes the titled frame around it its label,
// and Orca, which already says the frame when the focus enters it, then says the question a
// second time.
class OptionInterface final : public QAccessibleWidget
{
public:
    explicit OptionInterface(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return option()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> kept;
        const auto all = QAccessibleWidget::relations(match);
        for (const auto &relation : all) {
            const bool frameAsLabel = (relation.second & QAccessible::Label) &&
                                      qobject_cast<QGroupBox *>(relation.first->object());
            if (!frameAsLabel) {
                kept.append(relation);
            }
        }
        return kept;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            option()->click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }
};

QAccessibleInterface *sumtopiaAccessibleFactory(const QString &className, QObject *object)
{
    // Qt asks again with each base class name, so the answer box arrives here as a QLineEdit.
    if (className == QLatin1String("QLineEdit")) {
        return new LineEditInterface(static_cast<QLineEdit *>(object));
    }
    if (className == QLatin1String("QRadioButton")) {
        return new OptionInterface(static_cast<QRadioButton *>(object));
    }
    if (className == QLatin1String("AnnouncementLabel")) {
        return new NotificationInterface(static_cast<AnnouncementLabel *>(object));
    }
    if (className == QLatin1String("CandidateLabel")) {
        return new CandidateInterface(static_cast<CandidateLabel *>(object));
    }
    if (className == QLatin1String("DrawnLine")) {
        return new LineInterface(static_cast<DrawnLine *>(object));
    }
    return nullptr;
}

} // namespace

AnnouncementLabel::AnnouncementLabel(QWidget *parent) : QLabel(parent) {}

void AnnouncementLabel::announce(const QString &text)
{
    // Orca speaks a notification when it comes into view, not when its name changes, so the
    // label is hidden and shown again with the new text; the eye sees no difference, since
    // nothing is painted in between.
    if (isVisible()) {
        hide();
    }
    setText(text);
    show();
}

void AnnouncementLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    // Qt tells of the showing itself.
    if (!text().isEmpty()) {
        Q_EMIT announced(text());
    }
}

void installAccessibleFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(sumtopiaAccessibleFactory);
        installed = true;
    }
}
