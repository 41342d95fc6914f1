#pragma once

#include "platform/Form.h"
#include "platform/Numbers.h"
#include "printing/BackgroundDelivery.h"
#include "worksheets/TeacherAideLayout.h"
#include "worksheets/Worksheets.h"

#include <QPointer>

#include <QComboBox>
class PrinterService;
#include <QRadioButton>

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
    // The worksheet routines, one a subject, run by cmdSubmit_Click for the chosen subject: each
    // prints its worksheet for intGrade, intSeed and optYes, then calls Cleanup.
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
    void printWorksheet(Subject subject);
    void delivered(const DeliveryOutcome &outcome, const PrintDocument &document);
    void stillWaiting(const DeliveryOutcome &outcome);
    void offerPdf(const PrintDocument &document, DeliveryOutcome::Fault fault);
    void tell(const QString &message);

    BackgroundDelivery m_delivery;
    // The list box of a role of the screen's table.
    QPointer<QComboBox> &list(TeacherAideRole role);
    QPointer<QComboBox> m_cboSubject;
    QPointer<QComboBox> m_cboGrade;
    QPointer<QComboBox> m_cboSeed;
    QPointer<QRadioButton> m_optYes;
    QPointer<QRadioButton> m_optNo;
};
