#include "CVorkDialogUpdResult.h"

#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QStyle>

#include "StringTable.h"

CVorkDialogUpdResult::CVorkDialogUpdResult(QWidget *parent)
    : QDialog(parent),
      m_blShowDetail(false)
{
    setupUi(this);
    languageChange();

    // The icon and text area is painted in the base colour (the frame fills its background);
    // the button and details rows keep the window colour.
    m_pfrmUpperFrame->setBackgroundRole(QPalette::Base);

    // The same icon whatever the outcome.
    m_plblIcon->setPixmap(style()->standardPixmap(QStyle::SP_MessageBoxInformation));

    // No details button until there is something to show.
    m_ptxtedtErrorMessage->hide();
    m_pbtnMoreInfo->hide();

    // Enter answers Yes.
    QPushButton *yes = m_pbuttonBox->button(QDialogButtonBox::Yes);
    QPushButton *no = m_pbuttonBox->button(QDialogButtonBox::No);
    yes->setAutoDefault(false);
    no->setAutoDefault(false);
    yes->setDefault(true);

    // The box always takes its size hint: the user cannot resize it, and it grows and shrinks
    // with the details list.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

CVorkDialogUpdResult::~CVorkDialogUpdResult()
{
}

void CVorkDialogUpdResult::languageChange()
{
    setWindowTitle(getString(IDS_PHOTO_CAPTION));
    m_pbuttonBox->button(QDialogButtonBox::Yes)->setText(getString(IDS_BTN_YES));
    m_pbuttonBox->button(QDialogButtonBox::No)->setText(getString(IDS_BTN_NO));
    m_pbtnMoreInfo->setText(getString(IDS_PHOTO_BTN_SHOW_DETAIL));
}

void CVorkDialogUpdResult::setText(const QString &text)
{
    m_plblText->setText(text);
}

void CVorkDialogUpdResult::setInformativeText(const QString &text)
{
    m_plblInfomativeText->setText(text);
}

void CVorkDialogUpdResult::setDetailedText(const QString &text)
{
    m_pbtnMoreInfo->show();
    m_ptxtedtErrorMessage->setPlainText(text);
}

void CVorkDialogUpdResult::slotMoreInfoButtonClicked()
{
    if (!m_blShowDetail) {
        m_pbtnMoreInfo->setText(getString(IDS_PHOTO_BTN_HIDE_DETAIL));
        m_ptxtedtErrorMessage->show();
        m_blShowDetail = true;
    } else {
        m_pbtnMoreInfo->setText(getString(IDS_PHOTO_BTN_SHOW_DETAIL));
        m_ptxtedtErrorMessage->hide();
        m_blShowDetail = false;
    }
}
