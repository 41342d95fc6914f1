#pragma once

#include <QString>

class QWidget;

// Every modal question the program asks goes through this interface, so tests answer in advance.
class Dialogs
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // The typed text, or empty text on Cancel.
    virtual QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    virtual Answer messageBox(QWidget *parent, const QString &prompt, const QString &title,
                              Buttons buttons) = 0;
    // A path to save to, or empty text on Cancel. A name typed without a suffix gets
    // `defaultSuffix` before the dialog asks whether to replace a file of that name, so the
    // question is about the file that will be written.
    virtual QString saveFileName(QWidget *parent, const QString &title,
                                 const QString &suggestedPath, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // A message that waits for no answer: the window stays usable, and a screen reader hears it
    // as an alert when it appears.
    virtual void notice(QWidget *parent, const QString &message, const QString &title) = 0;
};

// Qt's modal dialogs.
class QtDialogs final : public Dialogs
{
public:
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    Answer messageBox(QWidget *parent, const QString &prompt, const QString &title,
                      Buttons buttons) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter, const QString &defaultSuffix) override;
    void notice(QWidget *parent, const QString &message, const QString &title) override;
};
