// Places the pieces of the art in the master bitmap, paints them, and lists
// the masks that cut from them.

#include <algorithm>
#include <map>
#include <stdexcept>

#include "tools/SkinArt.h"

namespace {

TSize PieceSize(const TArtPiece& p) {
    return {p.CellWidth * p.Count, p.CellHeight * (p.MaskType + 1)};
}

bool Overlaps(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// First fit, row by row, one free pixel right of and below every piece.
TRect Place(TSize size, const std::vector<TRect>& taken) {
    for (int y = 0; y + size.cy <= MasterHeight; ++y)
        for (int x = 0; x + size.cx <= MasterWidth;) {
            const TRect want{x, y, x + size.cx + 1, y + size.cy + 1};
            const auto hit = std::find_if(taken.begin(), taken.end(), [&](const TRect& t) {
                return Overlaps(want, TRect{t.Left, t.Top, t.Right + 1, t.Bottom + 1});
            });
            if (hit == taken.end()) return {x, y, x + size.cx, y + size.cy};
            x = hit->Right + 1;
        }
    throw std::runtime_error("The skin art does not fit into the master bitmap");
}

std::map<std::string, TRect> Layout(std::vector<TArtPiece>& pieces) {
    std::map<std::string, TRect> at;
    std::vector<TRect> taken;
    for (const TArtPiece& p : pieces)
        if (p.Fixed) {
            const TSize s = PieceSize(p);
            at[p.Key] = {p.At.X, p.At.Y, p.At.X + s.cx, p.At.Y + s.cy};
            taken.push_back(at[p.Key]);
        }
    std::vector<const TArtPiece*> order;
    for (const TArtPiece& p : pieces)
        if (!p.Fixed) order.push_back(&p);
    std::stable_sort(order.begin(), order.end(), [](const TArtPiece* a, const TArtPiece* b) {
        const TSize sa = PieceSize(*a), sb = PieceSize(*b);
        return sa.cy != sb.cy ? sa.cy > sb.cy : sa.cx > sb.cx;
    });
    for (const TArtPiece* p : order) {
        at[p->Key] = Place(PieceSize(*p), taken);
        taken.push_back(at[p->Key]);
    }
    return at;
}

} // namespace

TSkinArt DrawSkinArt() {
    std::vector<TArtPiece> pieces;
    AddFramePieces(pieces);
    AddControlPieces(pieces);
    AddStatePieces(pieces);
    const std::map<std::string, TRect> at = Layout(pieces);

    TSkinArt art;
    art.Master.SetSize(MasterWidth, MasterHeight);
    art.Master.Fill(0xFF00FF);
    for (const TArtPiece& p : pieces)
        for (int s = 0; s < p.Count; ++s) {
            const TArtCell cell = p.Paint(s);
            if (cell.Width() != p.CellWidth || cell.Height() != p.CellHeight)
                throw std::logic_error("Piece " + p.Key + " paints a cell of the wrong size");
            if (p.MaskType == 1)
                PutAlphaCell(art.Master, at.at(p.Key), s, p.Count, cell);
            else
                PutOpaqueCell(art.Master, at.at(p.Key), s, p.Count, cell, p.Behind);
        }
    art.Palette = ReduceToPalette(art.Master);

    std::map<std::string, const TArtPiece*> byKey;
    for (const TArtPiece& p : pieces)
        byKey[p.Key] = &p;
    for (const TMaskUse& use : SkinMaskUses()) {
        const auto found = byKey.find(use.Piece);
        if (found == byKey.end()) throw std::logic_error("No skin art named " + use.Piece);
        const TArtPiece& p = *found->second;
        TMaskItem item{use.Section, use.Property, at.at(use.Piece),
                       p.Count,     p.MaskType,   use.BorderWidth};
        if (use.OnlyCell >= 0) {
            item.R.Left += p.CellWidth * use.OnlyCell;
            item.R.Right = item.R.Left + p.CellWidth;
            item.ImageCount = 1;
        }
        if (use.PictureOnly) {
            item.R.Bottom = item.R.Top + p.CellHeight;
            item.MaskType = 0;
        }
        art.Items.push_back(item);
    }
    return art;
}
