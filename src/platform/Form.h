#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class Dialogs;
class Form;
class QMenuBar;
class RandomSource;

// The top-level window of a loaded form. Controls are children of client(), whose size is the
// designed client area; a menu bar, when a form has one, stands above it. Title-bar closes and
// character keys are forwarded to the form, which decides what they mean.
class FormWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(Form &form);

    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();
    // Client area in twips, as designed; the window keeps that size.
    void setClientSizeTwips(int width, int height);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Form &m_form;
    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
};

// What every form of one run shares: the dialogs, the random source and the end of the run.
class FormHost
{
public:
    using QuitHook = std::function<void()>;

    FormHost(Dialogs &dialogs, RandomSource &random, QuitHook quit);
    virtual ~FormHost();
    FormHost(const FormHost &) = delete;
    FormHost &operator=(const FormHost &) = delete;

    Dialogs &dialogs() const { return m_dialogs; }
    RandomSource &random() const { return m_random; }

    // Ends the program at once: every form is unloaded and the quit hook runs, once.
    void endProgram();
    bool hasEnded() const { return m_ended; }

    int loadedCount() const;
    int visibleCount() const;
    const QList<Form *> &forms() const { return m_forms; }

private:
    friend class Form;
    void registerForm(Form *form) { m_forms.append(form); }
    void unregisterForm(Form *form) { m_forms.removeAll(form); }
    void formUnloaded();
    void retire(FormWindow *window);

    Dialogs &m_dialogs;
    RandomSource &m_random;
    QuitHook m_quit;
    QList<Form *> m_forms;
    QList<QPointer<FormWindow>> m_retired;
    QObject m_context; // owns the deferred end-of-run check, so it dies with the host
    bool m_ended = false;
};

// A window that lives for the whole run and is loaded and unloaded independently: loading an
// unloaded form builds its controls from their design values and runs Form_Load; loading a loaded
// form does nothing; unloading destroys the controls but keeps the form's own fields.
class Form : public QObject
{
    Q_OBJECT
public:
    Form(FormHost &host, const QString &name);
    ~Form() override;

    QString name() const { return objectName(); }
    bool isLoaded() const { return m_window != nullptr; }
    bool isVisible() const;
    FormWindow *window() const { return m_window; }
    FormHost &host() const { return m_host; }

    void load();
    // Loads the form first when it is unloaded: its window is shown, then its Form_Load runs
    // (which may end the run).
    void show();
    void hide();
    void unload();

protected:
    // Creates the controls with their design values, as children of window.client().
    virtual void buildScreen(FormWindow &window) = 0;
    // Forgets the controls that unloading destroys.
    virtual void screenUnloaded() {}
    virtual void Form_Load() {}
    // A close from the title bar. The window stays unless the handler unloads it or ends the run.
    virtual void titleBarClose() {}
    // A key that produced a character, while this window is active.
    virtual void Form_KeyPress(QChar) {}
    virtual bool centredOnScreen() const { return true; }

private:
    friend class FormWindow;
    // Creates the window and its controls of an unloaded form; false when there was nothing to do.
    bool createScreen();

    FormHost &m_host;
    QPointer<FormWindow> m_window;
    bool m_placed = false;
};
