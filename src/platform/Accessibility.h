#pragma once

#include <QLabel>
#include <QString>

// What a screen reader is told about the controls whose nature it cannot see for itself.
//
// Orca speaks a label only when the focus reaches it; a text that appears by itself (the verdict,
// a new problem) is spoken when the object is a notification and it is shown or its name changes.
// The factory gives these labels that role, presents the candidates as buttons that can be
// pressed, and hides the plain drawn rules, which have nothing to say.

// A label whose text is announced when it is shown and whenever it is announced, even with the same
// text. Its accessible name is its visible text.
class AnnouncementLabel : public QLabel
{
    Q_OBJECT
public:
    explicit AnnouncementLabel(QWidget *parent);

    // Sets the text and shows the label, so that the text is announced, also when it did not
    // change.
    void announce(const QString &text);

Q_SIGNALS:
    // The label came into view with a text, which the accessibility layer then has spoken.
    void announced(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
};

// Installs the factory once per run; every window's controls are built after it.
void installAccessibleFactory();
