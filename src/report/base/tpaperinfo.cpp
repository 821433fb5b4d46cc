#include "report/base/tpaperinfo.h"

#include <array>

namespace {

const std::array<TPaperInfo, 66> kPapers = {{
    {1, QString(), 2159, 2794}, {2, QString(), 2159, 2794}, {3, QString(), 2794, 4318},
    {4, QString(), 4318, 2794}, {5, QString(), 2159, 3556}, {6, QString(), 1397, 2159},
    {7, QString(), 1842, 2667}, {8, QString(), 2970, 4200}, {9, QString(), 2100, 2970},
    {10, QString(), 2100, 2970}, {11, QString(), 1480, 2100}, {12, QString(), 2500, 3540},
    {13, QString(), 1820, 2570}, {14, QString(), 2159, 3302}, {15, QString(), 2150, 2750},
    {16, QString(), 2540, 3556}, {17, QString(), 2794, 4318}, {18, QString(), 2159, 2794},
    {19, QString(), 984, 2254}, {20, QString(), 1048, 2413}, {21, QString(), 1143, 2635},
    {22, QString(), 1207, 2794}, {23, QString(), 1270, 2921}, {24, QString(), 4318, 5588},
    {25, QString(), 5588, 8636}, {26, QString(), 8636, 11176}, {27, QString(), 1100, 2200},
    {28, QString(), 1620, 2290}, {29, QString(), 3240, 4580}, {30, QString(), 2290, 3240},
    {31, QString(), 1140, 1620}, {32, QString(), 1140, 2290}, {33, QString(), 2500, 3530},
    {34, QString(), 1760, 2500}, {35, QString(), 1760, 1250}, {36, QString(), 1100, 2300},
    {37, QString(), 984, 1905}, {38, QString(), 920, 1651}, {39, QString(), 3778, 2794},
    {40, QString(), 2159, 3048}, {41, QString(), 2159, 3302}, {42, QString(), 2500, 3530},
    {43, QString(), 1000, 1480}, {44, QString(), 2286, 2794}, {45, QString(), 2540, 2794},
    {46, QString(), 3810, 2794}, {47, QString(), 2200, 2200}, {50, QString(), 2355, 3048},
    {51, QString(), 2355, 3810}, {52, QString(), 2969, 4572}, {53, QString(), 2354, 3223},
    {54, QString(), 2101, 2794}, {55, QString(), 2100, 2970}, {56, QString(), 2355, 3048},
    {57, QString(), 2270, 3560}, {58, QString(), 3050, 4870}, {59, QString(), 2159, 3223},
    {60, QString(), 2100, 3300}, {61, QString(), 1480, 2100}, {62, QString(), 1820, 2570},
    {63, QString(), 3220, 4450}, {64, QString(), 1740, 2350}, {65, QString(), 2010, 2760},
    {66, QString(), 4200, 5940}, {67, QString(), 2970, 4200}, {68, QString(), 3220, 4450},
}};

} // namespace

std::span<const TPaperInfo> frxPaperList()
{
    return kPapers;
}

const TPaperInfo *frxFindPaper(int code)
{
    for (const TPaperInfo &p : kPapers)
        if (p.Typ == code)
            return &p;
    return nullptr;
}
