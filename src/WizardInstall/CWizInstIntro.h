#ifndef CWIZINSTINTRO_H
#define CWIZINSTINTRO_H

#include <QString>
#include <QWizardPage>

#include "fhost.h"
#include "ui_CWizInstIntroBase.h"

// The first page of the install wizard. It welcomes the user according to the job (quick
// configuration or network installation) and the server's state, warns when disks are about to
// be erased, and for a network installation makes the user choose the installation file (".pat")
// for one server, or the directory holding the files of a whole batch.
//
// It also owns the rule that ties an installation file to a server model and reads the file's
// build number from its name (matchPatchFile), which the installation job uses too.
//
// Fields: "OneClickSetup"; "PatFile*" (mandatory, network installation only).
class CWizInstIntro : public QWizardPage, public Ui::CWizInstIntroBase
{
    Q_OBJECT

public:
    // The maker's page about migrating a server's configuration to a new system.
    static const char *const MIGRATION_TUTORIAL_URL;
    // Settings key of the directory the last accepted installation file or directory came from.
    static const char *const PATCH_DIR_KEY;

    CWizInstIntro(QWidget *parent, bool isNetInstall);
    ~CWizInstIntro() override;

    virtual void languageChange();
    void initializePage() override;
    void cleanupPage() override;
    bool isComplete() const override;
    int nextId() const override;

    void showDataWarning();

    // Whether the file at `path` is an installation file for the server's model: its name holds
    // the model identifier + "_", or "vno_" + the display model name + "_" (blanks as "_",
    // hyphens ignored), compared ignoring case. On a match, *build is the number the rest of the
    // name reads as (0 when it is not a number); otherwise *build is 0. `build` may be null.
    static bool matchPatchFile(const QString &path, const NASINFO *pnasInfo, unsigned long *build);

    // Checks one chosen file against the wizard's server; a refusal shows one box.
    bool checkPatchFile(const QString &path);
    // Checks that the directory holds a new enough file for every target; a refusal shows one
    // box.
    bool checkPatchDir(const QString &dir);
    // Where the file and directory dialogs open.
    QString getPatchDirPath();

    bool isNetInstall() const { return m_blNetInstall; }

public slots:
    void slotChoosePatch();
    void slotChoosePatchDir();

private:
    QList<NASINFO> targets();

    bool m_blNetInstall;
    bool m_blPatFileRegistered;
};

#endif // CWIZINSTINTRO_H
