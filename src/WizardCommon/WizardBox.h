#ifndef WIZARDBOX_H
#define WIZARDBOX_H

#include <QMessageBox>
#include <QString>

// The modal boxes with which wizard pages refuse a step or ask before going on. The pages name
// their buttons themselves (texts from the string table), so the boxes are built here rather
// than with the standard buttons, whose texts would come from Qt's own catalogue.
namespace WizardBox {

// A box with the single button `buttonText`; Escape and the title bar close it like that button.
void inform(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
            const QString &buttonText);

// A question with the buttons `yesText` (the default) and `noText`, in that order. Neither is an
// escape button, so Escape and the title bar's close do nothing: only a button answers.
// True when the user chose `yesText`.
bool ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         const QString &yesText, const QString &noText);

} // namespace WizardBox

#endif // WIZARDBOX_H
