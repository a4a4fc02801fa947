#ifndef PHOTOWIZARDBOX_H
#define PHOTOWIZARDBOX_H

// The photo-profile wizard's pages use the common wizard boxes.
#include "WizardBox.h"

namespace PhotoWizardBox = WizardBox;

#endif // PHOTOWIZARDBOX_H
