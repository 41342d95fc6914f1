#pragma once

#include <QLabel>
#include <QString>

// What a screen reader is told about the controls whose nature it cannot see for itself.
//
// Orca speaks a label only when the focus reaches it; a text that appears by itself (the verdict,
// a new problem) is spoken when the object is a notification and it is shown or its name changes.
// The factory gives these labels that role, presents the candidates as buttons that can be
// pressed, and hides the plain drawn rules, which have nothing to say.

// A label whose text is announced when it is shown and whenever it is set, even to the same text.
// Its accessible name is its visible text.
class AnnouncementLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit AnnouncementLabel(QWidget *parent);

    // Sets the text and has it announced, also when it did not change.
    void announce(const QString &text);

Q_SIGNALS:
    // The text was handed to the accessibility layer to be spoken: when the label was shown with
    // a text, or its text was announced. Only a screen reader shows the difference otherwise.
    void announced(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
};

// Installs the factory once per run; every window's controls are built after it.
void installAccessibleFactory();
