#ifndef QUENWIZARDBOX_H
#define QUENWIZARDBOX_H

#include <QMessageBox>
#include <QString>

// The modal boxes of the install and address pages. Their button texts come from the string
// table, so the boxes are built with named buttons rather than Qt's standard ones.
namespace QuenWizardBox {

// A box with the single button `buttonText`; Escape and the title bar close it like that button.
void inform(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
            const QString &buttonText);

// A question with the buttons `yesText` (the default) and `noText`, in that order. Only a button
// answers it. True when the user chose `yesText`.
bool ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         const QString &yesText, const QString &noText);

// A warning box titled "Error" with "OK".
void error(QWidget *parent, const QString &text);
// A warning box titled "Warning" with "OK".
void warning(QWidget *parent, const QString &text);

} // namespace QuenWizardBox

#endif // QUENWIZARDBOX_H
