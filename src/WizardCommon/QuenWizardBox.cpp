#include "QuenWizardBox.h"

#include <QPushButton>

#include "StringTable.h"

namespace QuenWizardBox {

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
    // Action roles keep the box from taking "No" as its escape button.
    QPushButton *yes = box.addButton(yesText, QMessageBox::ActionRole);
    box.addButton(noText, QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void error(QWidget *parent, const QString &text)
{
    inform(parent, QMessageBox::Warning, getString(IDS_ERROR), text, getString(IDS_BTN_OK));
}

void warning(QWidget *parent, const QString &text)
{
    inform(parent, QMessageBox::Warning, getString(IDS_WARNING), text, getString(IDS_BTN_OK));
}

} // namespace QuenWizardBox
