#include "platform/Form.h"

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace
{

// The menu bar's look, without the lone Alt that moves the keyboard into the bar. Alt+1 to Alt+4
// answer in the drills, and a screen reader that handles the keys on their way may hand the Alt
// release to the window after the digit's press, so an answer left the keyboard in the menu
// bar, where Tab does nothing. F10 opens the menu instead.
class MenuBarStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

FormWindow::FormWindow(Form &form) : m_form(form)
{
    setObjectName(form.name());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    // The window keeps its size while the client is hidden for a moment (see Form::show).
    QSizePolicy policy = m_client->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_client->setSizePolicy(policy);
    layout->addWidget(m_client);
}

QMenuBar *FormWindow::menuBar()
{
    if (m_menuBar == nullptr) {
        m_menuBar = new QMenuBar(this);
        // Keep the bar inside the window on every desktop, so the client area stays below it.
        m_menuBar->setNativeMenuBar(false);
        auto *style = new MenuBarStyle(QApplication::style()->name());
        style->setParent(m_menuBar);
        m_menuBar->setStyle(style);
        static_cast<QVBoxLayout *>(layout())->setMenuBar(m_menuBar);
        // F10 opens the first menu, as on other desktops; the captions have no mnemonics.
        auto *openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
        openMenu->setObjectName(QStringLiteral("menuKey"));
        connect(openMenu, &QShortcut::activated, this, [this] {
            const QList<QAction *> menus = m_menuBar->actions();
            if (menus.isEmpty()) {
                return;
            }
            m_menuBar->setActiveAction(menus.first());
            // Highlight the first item as the Down key does, so a screen reader hears it too.
            if (QMenu *menu = menus.first()->menu(); menu != nullptr && menu->isVisible()) {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QCoreApplication::sendEvent(menu, &down);
            }
        });
    }
    return m_menuBar;
}

void FormWindow::setClientSizeTwips(int width, int height)
{
    m_client->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The window is never closed behind the form's back; the form's handler decides.
    event->ignore();
    m_form.titleBarClose();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    // Return, Escape and Backspace produce characters too (carriage return, escape, backspace);
    // keys such as Shift or F5 produce none.
    const QString text = event->text();
    const auto producesCharacter = [](QChar c) {
        return c.isPrint() || c == QLatin1Char('\r') || c == QChar(0x1B) || c == QLatin1Char('\b');
    };
    if (!text.isEmpty() && producesCharacter(text.at(0))) {
        m_form.Form_KeyPress(text.at(0));
        return;
    }
    QWidget::keyPressEvent(event);
}

FormHost::FormHost(Dialogs &dialogs, RandomSource &random, QuitHook quit)
    : m_dialogs(dialogs), m_random(random), m_quit(std::move(quit))
{
    // Every window asks for the designed faces; the stand-ins must be known before the first.
    installFontSubstitutes();
    installAccessibleFactory();
}

FormHost::~FormHost()
{
    for (const QPointer<FormWindow> &window : std::as_const(m_retired)) {
        delete window.data();
    }
}

void FormHost::endProgram()
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    for (Form *form : std::as_const(m_forms)) {
        form->unload();
    }
    if (m_quit) {
        m_quit();
    }
}

int FormHost::loadedCount() const
{
    int count = 0;
    for (const Form *form : m_forms) {
        count += form->isLoaded() ? 1 : 0;
    }
    return count;
}

int FormHost::visibleCount() const
{
    int count = 0;
    for (const Form *form : m_forms) {
        count += form->isVisible() ? 1 : 0;
    }
    return count;
}

void FormHost::formUnloaded()
{
    // A handler may unload its own window and then load another, so the run ends only when no
    // form is loaded once control is back in the event loop.
    QTimer::singleShot(0, &m_context, [this] {
        if (!m_ended && loadedCount() == 0) {
            endProgram();
        }
    });
}

void FormHost::retire(FormWindow *window)
{
    // Unloading often happens inside a handler of one of the window's own buttons, so the window
    // is deleted once control has returned to the event loop.
    window->hide();
    window->deleteLater();
    m_retired.removeAll(QPointer<FormWindow>());
    m_retired.append(window);
}

Form::Form(FormHost &host, const QString &name) : m_host(host)
{
    setObjectName(name);
    m_host.registerForm(this);
}

Form::~Form()
{
    m_host.unregisterForm(this);
    delete m_window.data();
}

bool Form::isVisible() const
{
    return m_window != nullptr && m_window->isVisible();
}

bool Form::createScreen()
{
    if (isLoaded() || m_host.hasEnded()) {
        return false;
    }
    m_window = new FormWindow(*this);
    m_placed = false;
    buildScreen(*m_window);
    return true;
}

void Form::load()
{
    if (createScreen()) {
        Form_Load();
    }
}

void Form::show()
{
    // A form loaded by showing it goes on screen before its controls are shown and before its
    // Form_Load runs. The first control shown, or the first caption written, wakes the
    // accessibility layer, which then waits for the session bus; done the other way round that
    // wait would keep the window itself off the screen. The first paint comes from the event
    // loop afterwards and shows the controls with what Form_Load wrote.
    const bool loading = createScreen();
    if (!isLoaded()) {
        return;
    }
    if (!m_placed) {
        m_window->adjustSize();
        if (centredOnScreen()) {
            if (const QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect area = screen->availableGeometry();
                m_window->move(area.center() - m_window->rect().center());
            }
        }
        m_placed = true;
    }
    if (loading) {
        m_window->client()->hide();
    }
    m_window->show();
    m_window->activateWindow();
    if (loading) {
        m_window->client()->show();
        Form_Load();
    }
}

void Form::hide()
{
    if (isLoaded()) {
        m_window->hide();
    }
}

void Form::unload()
{
    if (!isLoaded()) {
        return;
    }
    FormWindow *window = m_window;
    m_window = nullptr;
    screenUnloaded();
    m_host.retire(window);
    m_host.formUnloaded();
}
