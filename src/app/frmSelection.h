#pragma once

#include "platform/Form.h"
#include "platform/ScreenRow.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QString>

// The five categories the menu offers, each opening its drill window.
enum class Category { Addition, Subtraction, Multiplication, Division, Percent };

// What a control on the menu is for; the window builds, keeps and connects it by its role.
enum class SelectionRole {
    Heading,  // Label1, bordered, on a transparent background
    Prompt,   // Label3
    Name,     // txtFirstName
    Addition, // the five category buttons
    Subtraction,
    Multiplication,
    Division,
    Percent,
    Quit, // cmdQuit, "Exit"
};

using SelectionControl = ScreenRow<SelectionRole>;

// The menu's controls, in twips as designed.
const QList<SelectionControl> &selectionControls();

// The main menu: takes the child's first name and asks for the drills and the test request
// window. It owns the stored name, which outlives its screen.
class frmSelection final : public Form
{
    Q_OBJECT
public:
    explicit frmSelection(FormHost &host);

    // The child's first name in upper case, as last taken from the name box; empty until then.
    QString strFullName;

    void FirstName();

    void cmdAddition_Click();
    void cmdSubtraction_Click();
    void cmdMultiplication_Click();
    void cmdDivision_Click();
    void cmdPercent_Click();
    void cmdQuit_Click();
    void mnuTeacherPrint_Click();

    QLineEdit *txtFirstName() const { return m_txtFirstName; }

Q_SIGNALS:
    // A category button: the name is stored and the menu hidden; the drill is wanted.
    void drillRequested(Category category);
    // "Print Test": the menu is unloaded; the test request window is wanted.
    void printTestRequested();

protected:
    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void titleBarClose() override;

private:
    void openDrill(Category category);

    QPointer<QLineEdit> m_txtFirstName;
};
