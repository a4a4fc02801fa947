#ifndef CVORKDIALOGWAKEUPADD_H
#define CVORKDIALOGWAKEUPADD_H

#include <QDialog>

#include "CWOLConfig.h"
#include "ui_CVorkDialogWakeupAdd.h"

// The modal dialog in which the user confirms or edits one Wake-on-LAN host before it is
// registered. Two forms, chosen by the network selector: the LAN form (index 0) shows only the
// description and the read-only MAC address and asks for confirmation; the address form (any
// other index, including none) shows and checks profile name, address or host name and port.
// On acceptance the inputs are copied into the dialog's own record; Cancel leaves it unchanged.
class CVorkDialogWakeupAdd : public QDialog, public Ui::CVorkDialogWakeupAdd
{
    Q_OBJECT

public:
    CVorkDialogWakeupAdd(QWidget *parent, CWOLConfig *pConfig);

    // A copy of the dialog's record (the edited one after acceptance).
    CWOLConfig getWOLConfig() const { return m_wolConfig; }
    bool isWakeUpChecked() const { return m_chkWakeUp->isChecked(); }

    // Sets every text from the string table.
    void languageChange();
    // Fills the fields from the record.
    void loadConfig();
    // The LAN form: only the description and the read-only MAC address stay.
    void hideAddressFields();
    // Shows the profile, address and port rows again and makes the MAC editable.
    void showAddressFields();
    // Checks the address form in the order MAC, profile, host, port; the first failure shows its
    // error box and gives false.
    bool checkInput();
    // Port text: empty gives false; a decimal 1..65535 true; anything else selects the whole
    // text and gives false.
    bool isPortValid();

public slots:
    // Closes with acceptance only when the visible form's inputs are valid.
    void accept() override;
    void slotNetSelectChanged(int index);

private slots:
    // Copies the inputs into the record once the dialog was accepted.
    void slotSaveInput();

private:
    bool isMacAcceptable() const;
    void showError(const QString &message);

    CWOLConfig m_wolConfig;
};

#endif // CVORKDIALOGWAKEUPADD_H
