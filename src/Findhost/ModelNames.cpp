#include "ModelNames.h"

#include <cstring>

// The Varnestor line (desktop "VS" and rack "RS" units) and the partner brand Maldren, whose
// units run the same system.
const ModelNameEntry g_modelNames[] = {
    {"quenlori_arm5182_vs106j", "VS-106j"},
    {"quenlori_arm5182_vs107", "VS-107"},
    {"quenlori_arm5182_vs107e", "VS-107e"},
    {"quenlori_arm5182_vs207", "VS-207"},
    {"quenlori_arm5281_vs108j", "VS-108j"},
    {"quenlori_arm5281_vs109", "VS-109"},
    {"quenlori_arm5281_vs109j", "VS-109j"},
    {"quenlori_arm5281_vs209", "VS-209"},
    {"quenlori_arm5281_vs209j", "VS-209j"},
    {"quenlori_arm5281_vs409", "VS-409"},
    {"quenlori_arm5281_vs409slim", "VS-409slim"},
    {"quenlori_arm6281_vs110j", "VS-110j"},
    {"quenlori_arm6281_vs210j", "VS-210j"},
    {"quenlori_arm6281_vs410j", "VS-410j"},
    {"quenlori_arm6282_vs111", "VS-111"},
    {"quenlori_arm6282_vs211", "VS-211"},
    {"quenlori_arm6282_vs411", "VS-411"},
    {"quenlori_arm6282_vs411slim", "VS-411slim"},
    {"quenlori_ppc824x_vs101", "VS-101"},
    {"quenlori_ppc824x_vs101j", "VS-101j"},
    {"quenlori_ppc824x_vs201", "VS-201"},
    {"quenlori_ppc853x_vs107plus", "VS-107+"},
    {"quenlori_ppc853x_vs207plus", "VS-207+"},
    {"quenlori_ppc853x_vs407", "VS-407"},
    {"quenlori_ppc853x_vs409plus", "VS-409+"},
    {"quenlori_ppc853x_rs407", "RS-407"},
    {"quenlori_ppc853x_rs408", "RS-408"},
    {"quenlori_ppc853x_rs409plus", "RS-409+"},
    {"quenlori_x86atom_vs209plus", "VS-209+"},
    {"quenlori_x86atom_vs409plus2", "VS-409+II"},
    {"quenlori_x86atom_vs509plus", "VS-509+"},
    {"quenlori_x86atom_vs710plus", "VS-710+"},
    {"quenlori_x86atom_vs1010plus", "VS-1010+"},
    {"quenlori_x86atom_rs810plus", "RS-810+"},
    {"quenlori_x86core_vs1511plus", "VS-1511+"},
    {"quenlori_x86core_rs2211plus", "RS-2211+"},
    {"quenlori_x86core_rs3411xs", "RS-3411xs"},
    {"quenlori_x86core_rs10613xsplus", "RS-10613xs+"},
    {"maldren_arm5182_md1bay", "Maldren MD-1"},
    {"maldren_arm5182_md2bay", "Maldren MD-2"},
    {"maldren_arm5281_md2plus", "Maldren MD-2+"},
    {"maldren_arm6281_md1lite", "Maldren MD-1 Lite"},
    {"maldren_arm6282_md2pro", "Maldren MD-2 Pro"},
    {"maldren_arm6282_md4pro", "Maldren MD-4 Pro"},
    {"maldren_ppc853x_md4", "Maldren MD-4"},
    {"maldren_x86atom_md4x", "Maldren MD-4X"},
    {"maldren_x86atom_md5x", "Maldren MD-5X"},
    {"maldren_x86core_mr8x", "Maldren MR-8X"},
};

const int g_modelNameCount = sizeof g_modelNames / sizeof g_modelNames[0];

const char *findModelDisplayName(const char *id)
{
    if (!id)
        return nullptr;
    for (int i = 0; i < g_modelNameCount; ++i) {
        if (std::strcmp(g_modelNames[i].id, id) == 0)
            return g_modelNames[i].name;
    }
    return nullptr;
}
