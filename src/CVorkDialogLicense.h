#ifndef CVORKDIALOGLICENSE_H
#define CVORKDIALOGLICENSE_H

#include <QDialog>

#include "ui_CVorkDialogLicense.h"

// Shows the terms and conditions in the interface language and asks for consent. Accepting
// closes the dialog with result 1, declining (the Cancel button or Escape) with result 0.
class CVorkDialogLicense : public QDialog, public Ui::CVorkDialogLicense
{
    Q_OBJECT

public:
    explicit CVorkDialogLicense(QWidget *parent = nullptr);

    // Fills the title, the button texts and the request text, and loads the terms page of the
    // effective interface language, or the English one when that language has none.
    void languageChange();

public slots:
    void accept() override;
};

#endif // CVORKDIALOGLICENSE_H
