#include "WizardBox.h"

#include <QPushButton>

namespace WizardBox {

void inform(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
            const QString &buttonText)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(buttonText, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         const QString &yesText, const QString &noText)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    // Action roles keep the box from taking the "No" button as its escape button.
    QPushButton *yes = box.addButton(yesText, QMessageBox::ActionRole);
    box.addButton(noText, QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace WizardBox
