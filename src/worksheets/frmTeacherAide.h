#pragma once

#include "platform/CaptionAlign.h"
#include "platform/Form.h"
#include "platform/Numbers.h"
#include "printing/BackgroundDelivery.h"
#include "worksheets/Worksheets.h"

#include <QPointer>

#include <QComboBox>
class QGroupBox;
class QLabel;
class PrinterService;
class QPushButton;
#include <QRadioButton>

// What a control on the request window is for; the window builds, keeps and connects it by its
// role.
enum class TeacherAideRole {
    Heading,      // Label1
    Prompt,       // Label2, Label3, Label4: each names the list beside it
    SubjectList,  // cboSubject
    GradeList,    // cboGrade
    SeedList,     // cboSeed, filled when the window loads
    AnswerChoice, // Frame1, holding the two option buttons
    Yes,          // optYes, placed within the frame
    No,           // optNo, placed within the frame
    Submit,       // cmdSubmit
    Exit,         // cmdExit
};

struct TeacherAideControl {
    TeacherAideRole role;
    QString name;
    QString caption; // a list's items are in `items`
    int left;
    int top;
    int width;
    int height;
    double points;
    int tabIndex; // position in the tab order
    CaptionAlign align;
    QString names;     // a prompt: the list it names for screen readers
    QStringList items; // a list's items, in order
    QString toolTip;
};

// The request window's controls, in twips as designed.
const QList<TeacherAideControl> &teacherAideControls();

// The test request window: the teacher picks subject, grade and seed and prints a worksheet.
// It owns the request state, which its worksheet routines read and Cleanup resets.
class frmTeacherAide final : public Form
{
    Q_OBJECT
public:
    frmTeacherAide(FormHost &host, PrinterService &printers);

    // Grade level of the request, 1 to 6; 0 when not set.
    Integer intGrade = 0;
    // Seed offset of the request, 0 to 19: the seed shown to the teacher minus 1.
    Integer intSeed = 0;

    void cmdSubmit_Click();
    void cmdExit_Click();

    void Cleanup();
    void Addition();
    void Subtraction();
    void Division();
    void Multiplication();
    void Percents();

    // How often the printer is asked after the jobs it accepted, and how long a job waits
    // before the window says so.
    void setFollowInterval(int milliseconds) { m_delivery.setFollowInterval(milliseconds); }
    void setWaitNotice(int milliseconds) { m_delivery.setWaitNotice(milliseconds); }
    // Worksheets on their way to the printer, and accepted jobs not yet printed.
    int deliveriesInFlight() const { return m_delivery.inFlight(); }
    int jobsFollowed() const { return m_delivery.jobsFollowed(); }

    QComboBox *cboSubject() const { return m_cboSubject; }
    QComboBox *cboGrade() const { return m_cboGrade; }
    QComboBox *cboSeed() const { return m_cboSeed; }
    QRadioButton *optYes() const { return m_optYes; }
    QRadioButton *optNo() const { return m_optNo; }

Q_SIGNALS:
    // "Exit": this window is unloaded, the menu is wanted back.
    void exitRequested();

protected:
    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void titleBarClose() override;
    bool centredOnScreen() const override { return false; }

private:
    QComboBox *makeCombo(QWidget *parent, const TeacherAideControl &row);
    void printWorksheet(Subject subject);
    void delivered(const DeliveryOutcome &outcome, const PrintDocument &document);
    void stillWaiting(const DeliveryOutcome &outcome);
    void offerPdf(const PrintDocument &document, DeliveryOutcome::Fault fault);
    void tell(const QString &message);

    BackgroundDelivery m_delivery;
    QPointer<QComboBox> m_cboSubject;
    QPointer<QComboBox> m_cboGrade;
    QPointer<QComboBox> m_cboSeed;
    QPointer<QRadioButton> m_optYes;
    QPointer<QRadioButton> m_optNo;
};
