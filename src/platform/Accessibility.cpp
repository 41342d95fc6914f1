#include "platform/Accessibility.h"

#include "platform/Controls.h"
#include "platform/DragDrop.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

QAccessibleInterface *sumtopiaAccessibleFactory(const QString &className, QObject *object)
{
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
