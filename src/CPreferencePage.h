#ifndef CPREFERENCEPAGE_H
#define CPREFERENCEPAGE_H

#include <QString>
#include <QWidget>

// A page of the preferences dialog: loads its choices from the settings and stores them when
// the dialog is accepted.
class CPreferencePage : public QWidget
{
    Q_OBJECT

public:
    CPreferencePage(QWidget *parent, const QString &pageName);

    QString getPageName() const;
    void setPageName(const QString &pageName);
    // Whether the user changed a choice on the page since it was built.
    bool isSettingsChanged() const;

    virtual void loadSettings() = 0;
    virtual void saveSettings() = 0;

public slots:
    void slotSettingsChanged();

private:
    bool m_blChanged;
    QString m_strPageName;
};

#endif // CPREFERENCEPAGE_H
