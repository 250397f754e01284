#pragma once

// The three print layouts as tables, the one place their base positions are
// written: the print procedures build their report layouts from them and the
// standard profile starts every profile field at its base position. Plain
// macro tables, free of the report engine. Values are FR3 fields, X and Y
// fields LAS fields; positions and widths in millimetres; every box is 4 mm
// high.

// The certificate page, in layout order:
// C(value, picture, base X, base Y, width, alignment, X from, Y from).
// Width FitValue: as wide as the value printed. Packaging and marking cross:
// the marking pair places FR3:UP and the packaging pair FR3:MK.
#define VETDOCS_CERTIFICATE_CONTROLS(C)                      \
    C(Z1, "s48", 24, 29, 89, Left, AXZ1, AYZ1)               \
    C(Z2, "s48", 24, 35, 89, Left, AXZ2, AYZ2)               \
    C(Z3, "s48", 24, 41, 89, Left, AXZ3, AYZ3)               \
    C(Z4, "s48", 24, 48, 89, Left, AXZ4, AYZ4)               \
    C(DAY, "P##P", 131, 62, FitValue, Decimal, AXDAY, AYDAY) \
    C(MES, "s8", 150, 62, 17, Left, AXMES, AYMES)            \
    C(GOD, "P##P", 176, 62, FitValue, Right, AXGOD, AYGOD)   \
    C(S1, "s20", 153, 69, 38, Left, AZS1, AYS1)              \
    C(S2, "s91", 23, 76, 168, Centre, AXS2, AYS2)            \
    C(S3, "s81", 42, 82, 151, Left, AXS3, AYS3)              \
    C(S31, "s91", 24, 85, 170, Left, AXS31, AYS31)           \
    C(S4, "s91", 24, 88, 170, Left, AXS4, AYS4)              \
    C(S41, "s91", 24, 91, 170, Left, AXS41, AYS41)           \
    C(KOL, "s27", 47, 96, 51, Centre, AXKOL, AYKOL)          \
    C(UP, "s25", 97, 96, 48, Centre, AXMK, AYMK)             \
    C(MK, "s25", 143, 96, 49, Centre, AXUP, AYUP)            \
    C(S5, "s77", 49, 103, 144, Left, AXS5, AYS5)             \
    C(S71, "s91", 22, 107, 170, Left, AXS71, AYS71)          \
    C(S7, "s71", 22, 110, 131, Left, AXS7, AYS7)             \
    C(DATAVUR, "s36", 152, 110, 48, Left, AXDV, AYDV)        \
    C(S72, "s91", 22, 115, 170, Left, AXS72, AYS72)          \
    C(S8, "s69", 64, 129, 130, Left, AXS8, AYS8)             \
    C(S10, "s91", 23, 135, 170, Left, AXS10, AYS10)          \
    C(S11, "s80", 44, 142, 149, Left, AXS11, AYS11)          \
    C(S13, "s75", 53, 149, 140, Left, AXS13, AYS13)          \
    C(S14, "s40", 26, 157, 75, Left, AXS14, AYS14)           \
    C(S143, "s45", 107, 153, 83, Left, AXS143, AYS143)       \
    C(S141, "s45", 107, 157, 83, Left, AXS141, AYS141)       \
    C(S142, "s40", 26, 160, 75, Left, AXS142, AYS142)        \
    C(S144, "s45", 107, 160, 83, Left, AXS144, AYS144)       \
    C(S15, "s20", 153, 164, 40, Left, AXS15, AYS15)          \
    C(S151, "s91", 23, 167, 169, Left, AXS151, AYS151)       \
    C(S16, "s91", 23, 171, 169, Left, AXS16, AYS16)          \
    C(S161, "s91", 23, 174, 169, Left, AXS161, AYS161)       \
    C(S17, "s73", 59, 177, 135, Left, AXS17, AYS17)          \
    C(S18, "s91", 24, 184, 170, Left, AXS18, AYS18)          \
    C(S19, "s91", 24, 190, 170, Left, AXS19, AYS19)          \
    C(S191, "s91", 24, 195, 170, Left, AXS191, AYS191)       \
    C(P3, "s32", 111, 247, 89, Centre, AXP3, AYP3)           \
    C(P4, "s32", 111, 257, 89, Centre, AXP4, AYP4)

// The counterfoil: the certificate page with these rows in place of the
// rows of the same value, and the receiver's lines P1 and P2 added.
#define VETDOCS_COUNTERFOIL_CONTROLS(C)                     \
    C(KOL, "s27", 47, 96, 50, Centre, AXKOL, AYKOL)         \
    C(DATAVUR, "s36", 152, 110, FitValue, Left, AXDV, AYDV) \
    C(P1, "s32", 26, 247, 66, Centre, AXP1, AYP1)           \
    C(P3, "s32", 114, 247, 88, Centre, AXP3, AYP3)          \
    C(P4, "s32", 114, 257, 88, Centre, AXP4, AYP4)          \
    C(P2, "s32", 26, 257, 66, Centre, AXP2, AYP2)

// The back side's table, left-aligned cells. Its cells across a row:
// C(picture, base X, width).
#define VETDOCS_BACK_CELLS(C) \
    C("s15", 28, 24)          \
    C("s10", 53, 16)          \
    C("s10", 69, 16)          \
    C("s10", 85, 16)          \
    C("s10", 102, 16)         \
    C("s10", 118, 16)         \
    C("s10", 134, 16)

// Its rows: every cell of a row stands at the row's Y field, each at an X
// field of its own. R(base Y, Y field, then value and X field of cells 1 to 7).
#define VETDOCS_BACK_ROWS(R)                                                                       \
    R(75, AYS20, S20, AXS20, S201, AXS201, S202, AXS202, S203, AXS203, S204, AXS204, S205, AXS205, \
      S206, AXS206)                                                                                \
    R(79, AYS21, S21, AXS21, S211, AXS211, S212, AXS212, S213, AXS213, S214, AXS214, S215, AXS215, \
      S216, AXS216)                                                                                \
    R(83, AYS22, S22, AXS22, S221, AXS221, S222, AXS222, S223, AXS223, S224, AXS224, S225, AXS225, \
      S226, AXS226)                                                                                \
    R(87, AYS23, S23, AXS23, S231, AXS231, S232, AXS232, S233, AXS233, S234, AXS234, S235, AXS235, \
      S236, AXS236)                                                                                \
    R(91, AYS24, S24, AXS24, S241, AXS241, S242, AXS242, S243, AXS243, S244, AXS244, S245, AXS245, \
      S246, AXS246)                                                                                \
    R(95, AYS25, S25, AXS25, S251, AXS251, S252, AXS252, S253, AXS253, S254, AXS254, S255, AXS255, \
      S256, AXS256)
