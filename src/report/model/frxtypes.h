#pragma once
// Value types shared by every report component: colours, and the enumerations and
// sets of the component properties. They live in one Qt namespace so that the
// serializer finds their identifiers (`poLandscape`, `ftLeft`) through the
// meta-object system; a set is stored as its bit mask, bit n for the n-th member.
#include <QFlags>
#include <QObject>

// A colour as the report stores it: 0x00BBGGRR, or one of the special values.
using TColor = qint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
// No colour at all: as a fill it means "do not fill"; expressions call it clTransparent.
constexpr TColor clNone = 0x1FFFFFFF;
// System colours carry the high bit and the system colour index.
constexpr TColor clWindow = qint32(0x80000005u);
constexpr TColor clWindowText = qint32(0x80000008u);
constexpr TColor clBtnFace = qint32(0x8000000Fu);

namespace frx {
Q_NAMESPACE

enum class TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
Q_ENUM_NS(TfrxAlign)

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

enum class TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble };
Q_ENUM_NS(TfrxFrameStyle)

enum class TfrxFrameType { ftLeft = 0x1, ftRight = 0x2, ftTop = 0x4, ftBottom = 0x8 };
Q_DECLARE_FLAGS(TfrxFrameTypes, TfrxFrameType)
Q_FLAG_NS(TfrxFrameTypes)

enum class TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum class TfrxRestriction { rfDontModify = 0x1, rfDontSize = 0x2, rfDontMove = 0x4, rfDontDelete = 0x8 };
Q_DECLARE_FLAGS(TfrxRestrictions, TfrxRestriction)
Q_FLAG_NS(TfrxRestrictions)

enum class TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
Q_ENUM_NS(TfrxShiftMode)

enum class TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
Q_ENUM_NS(TfrxStretchMode)

enum class TfrxHAlign { haLeft, haRight, haCenter, haBlock };
Q_ENUM_NS(TfrxHAlign)

enum class TfrxVAlign { vaTop, vaBottom, vaCenter };
Q_ENUM_NS(TfrxVAlign)

enum class TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
Q_ENUM_NS(TfrxFormatKind)

enum class TfrxShapeKind { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };
Q_ENUM_NS(TfrxShapeKind)

enum class TPrinterOrientation { poPortrait, poLandscape };
Q_ENUM_NS(TPrinterOrientation)

enum class TfrxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };
Q_ENUM_NS(TfrxDuplexMode)

enum class TfrxPreviewButton {
    pbPrint = 0x1, pbLoad = 0x2, pbSave = 0x4, pbExport = 0x8, pbZoom = 0x10, pbFind = 0x20,
    pbOutline = 0x40, pbPageSetup = 0x80, pbTools = 0x100, pbEdit = 0x200, pbNavigator = 0x400
};
Q_DECLARE_FLAGS(TfrxPreviewButtons, TfrxPreviewButton)
Q_FLAG_NS(TfrxPreviewButtons)

enum class TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
Q_ENUM_NS(TfrxZoomMode)

enum class TfrxPrintPages { ppAll, ppOdd, ppEven };
Q_ENUM_NS(TfrxPrintPages)

enum class TfrxRangeBegin { rbFirst, rbCurrent };
Q_ENUM_NS(TfrxRangeBegin)

enum class TfrxRangeEnd { reLast, reCurrent, reCount };
Q_ENUM_NS(TfrxRangeEnd)

} // namespace frx

Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxFrameTypes)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxRestrictions)
Q_DECLARE_OPERATORS_FOR_FLAGS(frx::TfrxPreviewButtons)

using frx::TBrushStyle;
using frx::TFontStyle;
using frx::TFontStyles;
using frx::TfrxAlign;
using frx::TfrxDuplexMode;
using frx::TfrxFormatKind;
using frx::TfrxFrameStyle;
using frx::TfrxFrameType;
using frx::TfrxFrameTypes;
using frx::TfrxHAlign;
using frx::TfrxPreviewButton;
using frx::TfrxPreviewButtons;
using frx::TfrxPrintPages;
using frx::TfrxRangeBegin;
using frx::TfrxRangeEnd;
using frx::TfrxRestriction;
using frx::TfrxRestrictions;
using frx::TfrxShapeKind;
using frx::TfrxShiftMode;
using frx::TfrxStretchMode;
using frx::TfrxVAlign;
using frx::TfrxZoomMode;
using frx::TPrinterOrientation;
