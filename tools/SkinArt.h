#pragma once
// The master bitmap of the launcher's skin and the masks cut from it.
//
// The art is a list of pieces: one rectangle of the master bitmap each, with
// its cells (state pictures) side by side and, for alpha masks, the alpha row
// below. Several masks may share a piece. The pieces are placed by a
// first-fit scan (a few at fixed places), so the layout follows from the list.

#include <functional>
#include <string>
#include <vector>

#include "platform/TPixels.h"
#include "platform/Types.h"
#include "tools/SkinArtCanvas.h"
#include "tools/SkinArtPalette.h"

constexpr int MasterWidth = 348;
constexpr int MasterHeight = 207;

struct TArtPiece {
    std::string Key;
    int CellWidth = 0;
    int CellHeight = 0;
    int Count = 1;
    int MaskType = 1; // 1: alpha row under the cells; 0: see-through colour only
    std::function<TArtCell(int state)> Paint;
    TRgb Behind; // MaskType 0: what partly covered pixels are flattened onto
    bool Fixed = false;
    TPoint At; // the top-left corner when Fixed
};

// A piece of alpha-row cells, not fixed in place.
inline TArtPiece Piece(std::string key, int w, int h, int count,
                       std::function<TArtCell(int)> paint) {
    TArtPiece p;
    p.Key = std::move(key);
    p.CellWidth = w;
    p.CellHeight = h;
    p.Count = count;
    p.Paint = std::move(paint);
    return p;
}

// One image item of the stored skin that cuts from a piece: its section and
// property, the piece, and optionally one cell of it alone.
struct TMaskUse {
    std::string Section;
    std::string Property;
    std::string Piece;
    int BorderWidth = 0;
    int OnlyCell = -1;        // one cell of the piece as a mask of its own
    bool PictureOnly = false; // the picture row of an alpha piece, read without its alpha
};

struct TMaskItem {
    std::string Section;
    std::string Property;
    TRect R;
    int ImageCount = 1;
    int MaskType = 0;
    int BorderWidth = 0;
};

struct TSkinArt {
    TPixels Master;
    std::vector<TMaskItem> Items; // in stored order; the master bitmap item is not among them
    TPaletteResult Palette;
};

// Pieces by subject.
void AddFramePieces(std::vector<TArtPiece>& pieces);
void AddControlPieces(std::vector<TArtPiece>& pieces);
void AddStatePieces(std::vector<TArtPiece>& pieces);

// Every mask of the skin in stored order.
std::vector<TMaskUse> SkinMaskUses();

// Places and paints every piece and reduces the picture to 256 colours.
TSkinArt DrawSkinArt();
