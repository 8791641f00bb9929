// The frame held until the flip. Every world view, matrix reset and blit of a frame is
// kept in a list and drawn when the frame is shown, which lets the flip compare the
// frame with the one before it:
//   - a frame drawn exactly like the last one is not drawn or swapped at all (the
//     screen already shows it);
//   - where the back buffer keeps the last frame after the swap (software GL, the case
//     the grab already relies on), only the places where the two frames differ are drawn
//     again, each under a scissor, with every operation that touches them, in order.
// The two frames are matched operation by operation (longest common subsequence): a
// pixel that no unmatched blit covers sees the same blits in the same order in both
// frames, so it already holds its new colour. A software renderer spends its time
// filling pixels, and a game scene changes in a few small places from frame to frame.
#include "engine/platform/Platform.h"
#include "engine/platform/sdl/SdlState.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

const size_t MAX_MATCH_CELLS = 1 << 20;   // longer frames are simply drawn whole
const int MAX_RECTS = 8;                  // damaged places drawn separately
const float WHOLE_SHARE = 0.6f;           // damage over this share of the scene: draw it whole

// The modelview in force for a blit: a plain translation, or anything else (then the
// blit's place on screen is not worked out and it counts as covering the whole scene).
struct Transform {
    bool plain = true;
    float x = 0, y = 0;
    float angle = 0, zoom = 1;
    int sw = 0, sh = 0;
    bool operator==(const Transform &o) const
    {
        return plain == o.plain && x == o.x && y == o.y && angle == o.angle && zoom == o.zoom && sw == o.sw &&
               sh == o.sh;
    }
};

struct Rect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // scene pixels, GL frame, x2 and y2 outside
    bool empty() const { return x2 <= x1 || y2 <= y1; }
    long area() const { return empty() ? 0 : (long)(x2 - x1) * (y2 - y1); }
    bool touches(const Rect &o) const { return x1 < o.x2 && o.x1 < x2 && y1 < o.y2 && o.y1 < y2; }
    Rect joined(const Rect &o) const
    {
        return {std::min(x1, o.x1), std::min(y1, o.y1), std::max(x2, o.x2), std::max(y2, o.y2)};
    }
};

enum OpKind : uint8_t { OP_BLIT, OP_VIEW, OP_RESET };

struct Op {
    OpKind kind = OP_RESET;
    KBlit blit;                 // OP_BLIT
    uint32_t generation = 0;    // OP_BLIT: which upload of its texture it draws
    Transform transform;        // OP_BLIT: the modelview it is drawn with
    SdlView view;               // OP_VIEW
    Rect box;                   // OP_BLIT: where it may draw
    uint64_t hash = 0;          // of what SameOp compares: unequal hashes, unequal operations
};

// FNV-1a over the fields that make an operation what it is.
struct Hasher {
    uint64_t h = 1469598103934665603ull;
    template <typename T> void add(const T &v)
    {
        unsigned char bytes[sizeof(T)];
        memcpy(bytes, &v, sizeof(T));
        for (unsigned char b : bytes)
            h = (h ^ b) * 1099511628211ull;
    }
};

uint64_t HashOf(const Op &op)
{
    Hasher h;
    h.add(op.kind);
    if (op.kind == OP_BLIT) {
        const KBlit &b = op.blit;
        h.add(b.textureId);
        h.add(op.generation);
        h.add(b.vx);
        h.add(b.vy);
        h.add(b.tx);
        h.add(b.ty);
        h.add(op.transform.x);
        h.add(op.transform.y);
    } else if (op.kind == OP_VIEW) {
        h.add(op.view.x);
        h.add(op.view.y);
        h.add(op.view.angle);
        h.add(op.view.clear);
    }
    return h.h;
}

bool SameBlit(const KBlit &a, const KBlit &b)
{
    if (a.textureId != b.textureId || a.textureTarget != b.textureTarget || a.blended != b.blended)
        return false;
    if (a.blended && (a.blendSource != b.blendSource || a.blendDest != b.blendDest))
        return false;
    for (int i = 0; i < 4; i++)
        if (a.vx[i] != b.vx[i] || a.vy[i] != b.vy[i] || a.tx[i] != b.tx[i] || a.ty[i] != b.ty[i])
            return false;
    return true;
}

bool SameView(const SdlView &a, const SdlView &b)
{
    return a.sw == b.sw && a.sh == b.sh && a.x == b.x && a.y == b.y && a.angle == b.angle && a.zoom == b.zoom &&
           a.clear == b.clear;
}

bool SameOp(const Op &a, const Op &b)
{
    if (a.hash != b.hash || a.kind != b.kind)
        return false;
    if (a.kind == OP_BLIT)
        return a.generation == b.generation && a.transform == b.transform && SameBlit(a.blit, b.blit);
    if (a.kind == OP_VIEW)
        return SameView(a.view, b.view);
    return true;
}

struct FrameList {
    std::vector<Op> shown;           // the frame on screen
    std::vector<Op> pending;         // the frame being made
    size_t drawn = 0;                // pending operations already drawn (a flush came)
    Transform current;               // the modelview after the last recorded operation
    Transform shownStart, pendingStart;
    bool wholeNext = true;           // the back buffer cannot be trusted: draw all
    bool partialAllowed = true;
    uint32_t nextGeneration = 1;
    std::unordered_map<uint32_t, uint32_t> generations;   // texture -> its upload
    std::vector<uint16_t> table;     // the matching table, kept between frames
    SdlFrameStats stats;
};

FrameList &Frame()
{
    static FrameList f;
    return f;
}

int SceneWidth() { return Sdl().sceneWidth; }
int SceneHeight() { return Sdl().sceneHeight; }

Rect WholeScene() { return {0, 0, SceneWidth(), SceneHeight()}; }

Rect BoxOf(const KBlit &b, const Transform &t)
{
    if (!t.plain)
        return WholeScene();
    Rect r{b.vx[0], b.vy[0], b.vx[0], b.vy[0]};
    for (int i = 1; i < 4; i++) {
        r.x1 = std::min(r.x1, b.vx[i]);
        r.y1 = std::min(r.y1, b.vy[i]);
        r.x2 = std::max(r.x2, b.vx[i]);
        r.y2 = std::max(r.y2, b.vy[i]);
    }
    // a pixel of margin on every side for the rounding of a translation by a fraction
    const int dx = (int)t.x, dy = (int)t.y;
    r = {r.x1 + dx - 1, r.y1 + dy - 1, r.x2 + dx + 2, r.y2 + dy + 2};
    const Rect scene = WholeScene();
    return {std::max(r.x1, scene.x1), std::max(r.y1, scene.y1), std::min(r.x2, scene.x2), std::min(r.y2, scene.y2)};
}

void DrawOp(const Op &op)
{
    switch (op.kind) {
    case OP_BLIT:
        Sdl_DrawBlit(op.blit);
        break;
    case OP_VIEW:
        Sdl_DrawView(op.view);
        break;
    case OP_RESET:
        Sdl_DrawReset();
        break;
    }
}

// Marks in both frames the operations the other frame also has, in the same order.
// Returns false when the frames are too long to match (then the frame is drawn whole).
bool Match(const std::vector<Op> &a, const std::vector<Op> &b, std::vector<bool> &inA, std::vector<bool> &inB)
{
    FrameList &f = Frame();
    const size_t n = a.size(), m = b.size();
    inA.assign(n, false);
    inB.assign(m, false);
    // the common start and end need no table
    size_t head = 0;
    while (head < n && head < m && SameOp(a[head], b[head]))
        inA[head] = inB[head] = true, head++;
    size_t tail = 0;
    while (tail < n - head && tail < m - head && SameOp(a[n - 1 - tail], b[m - 1 - tail]))
        inA[n - 1 - tail] = inB[m - 1 - tail] = true, tail++;
    const size_t rows = n - head - tail, cols = m - head - tail;
    if (rows == 0 || cols == 0)
        return true;
    if ((rows + 1) * (cols + 1) > MAX_MATCH_CELLS || rows > 65535 || cols > 65535)
        return false;
    // table[i][j]: the longest match of the middles from a[head+i] and b[head+j] on
    std::vector<uint16_t> &t = f.table;
    t.assign((rows + 1) * (cols + 1), 0);
    auto at = [&](size_t i, size_t j) -> uint16_t & { return t[i * (cols + 1) + j]; };
    for (size_t i = rows; i-- > 0;)
        for (size_t j = cols; j-- > 0;)
            at(i, j) = a[head + i].hash == b[head + j].hash ? (uint16_t)(at(i + 1, j + 1) + 1)
                                                        : std::max(at(i + 1, j), at(i, j + 1));
    size_t i = 0, j = 0;
    while (i < rows && j < cols) {
        if (SameOp(a[head + i], b[head + j])) {
            inA[head + i] = inB[head + j] = true;
            i++, j++;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            i++;
        } else {
            j++;
        }
    }
    return true;
}

void AddDamage(std::vector<Rect> &rects, Rect r)
{
    if (r.empty())
        return;
    // fold in whatever it overlaps, then keep the list short
    for (size_t k = 0; k < rects.size();) {
        if (rects[k].touches(r)) {
            r = r.joined(rects[k]);
            rects.erase(rects.begin() + (long)k);
            k = 0;
        } else {
            k++;
        }
    }
    rects.push_back(r);
    while ((int)rects.size() > MAX_RECTS) {
        size_t bestA = 0, bestB = 1;
        long bestGrowth = -1;
        for (size_t a = 0; a < rects.size(); a++)
            for (size_t b = a + 1; b < rects.size(); b++) {
                const long growth = rects[a].joined(rects[b]).area() - rects[a].area() - rects[b].area();
                if (bestGrowth < 0 || growth < bestGrowth)
                    bestGrowth = growth, bestA = a, bestB = b;
            }
        const Rect merged = rects[bestA].joined(rects[bestB]);
        rects.erase(rects.begin() + (long)bestB);
        rects[bestA] = merged;
    }
}

bool PartialPossible()
{
    const SdlState &s = Sdl();
    return Frame().partialAllowed && s.grabMode == SDL_GRAB_BACK_KEPT && !s.letterbox &&
           s.viewWidth == s.sceneWidth && s.viewHeight == s.sceneHeight && s.sceneWidth > 0;
}

bool SameFrame(const std::vector<Op> &a, const std::vector<Op> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); k++)
        if (!SameOp(a[k], b[k]))
            return false;
    return true;
}

// The places where the pending frame differs from the one shown; false: all of it.
// Without partial redraws only a frame the same as the one shown is worth knowing
// (no places), so the frames are not matched then.
bool Damage(std::vector<Rect> &rects)
{
    FrameList &f = Frame();
    if (!(f.pendingStart == f.shownStart))
        return false;
    if (!PartialPossible())
        return SameFrame(f.shown, f.pending);
    std::vector<bool> inShown, inPending;
    if (!Match(f.shown, f.pending, inShown, inPending))
        return false;
    auto collect = [&](const std::vector<Op> &ops, const std::vector<bool> &matched) {
        for (size_t k = 0; k < ops.size(); k++) {
            if (matched[k])
                continue;
            if (ops[k].kind == OP_VIEW && ops[k].view.clear)
                return false;   // a clear of its own: everything
            if (ops[k].kind == OP_BLIT)
                AddDamage(rects, ops[k].box);
        }
        return true;
    };
    if (!collect(f.shown, inShown) || !collect(f.pending, inPending))
        return false;
    long area = 0;
    for (const Rect &r : rects)
        area += r.area();
    return area <= (long)(WHOLE_SHARE * SceneWidth() * SceneHeight());
}

// Each pass over the frame starts from the modelview the frame started with.
void StartPass()
{
    const Transform &t = Frame().pendingStart;
    if (t.sw == 0) {
        glLoadIdentity();
        return;
    }
    Sdl_DrawView(SdlView{t.sw, t.sh, t.x, t.y, t.angle, t.zoom, false});
}

void DrawPending(size_t from)
{
    FrameList &f = Frame();
    if (from == 0)
        StartPass();
    for (size_t k = from; k < f.pending.size(); k++)
        DrawOp(f.pending[k]);
    f.drawn = f.pending.size();
}

void DrawDamage(const std::vector<Rect> &rects)
{
    FrameList &f = Frame();
    SdlState &s = Sdl();
    glEnable(GL_SCISSOR_TEST);
    for (const Rect &r : rects) {
        glScissor(s.viewX + r.x1, s.viewY + r.y1, r.x2 - r.x1, r.y2 - r.y1);
        StartPass();
        for (const Op &op : f.pending)
            if (op.kind != OP_BLIT || op.box.touches(r))
                DrawOp(op);
    }
    glDisable(GL_SCISSOR_TEST);
    f.drawn = f.pending.size();
}

void Record(Op op)
{
    FrameList &f = Frame();
    if (!Sdl().context)
        return;
    if (op.kind == OP_BLIT) {
        auto known = f.generations.find(op.blit.textureId);
        op.generation = known == f.generations.end() ? 0 : known->second;
        op.transform = f.current;
        op.box = BoxOf(op.blit, f.current);
    } else if (op.kind == OP_VIEW) {
        const SdlView &v = op.view;
        const bool plain = v.angle == 0 && v.zoom == 1 && v.sw == SceneWidth() && v.sh == SceneHeight();
        f.current = Transform{plain, v.x, v.y, v.angle, v.zoom, v.sw, v.sh};
    } else {
        f.current = Transform();   // the identity
    }
    op.hash = HashOf(op);
    f.pending.push_back(op);
}

} // namespace

void Sdl_RecordBlit(const KBlit &blit)
{
    Op op;
    op.kind = OP_BLIT;
    op.blit = blit;
    Record(op);
}

void Sdl_RecordView(const SdlView &view)
{
    Op op;
    op.kind = OP_VIEW;
    op.view = view;
    Record(op);
}

void Sdl_RecordReset()
{
    Op op;
    op.kind = OP_RESET;
    Record(op);
}

void Sdl_FlushFrame()
{
    FrameList &f = Frame();
    if (f.drawn < f.pending.size())
        DrawPending(f.drawn);
}

void Sdl_TextureMade(uint32_t id)
{
    FrameList &f = Frame();
    f.generations[id] = f.nextGeneration++;
}

void Sdl_TextureGoing(uint32_t id)
{
    Sdl_FlushFrame();   // its blits are drawn while it still exists
    Frame().generations.erase(id);
}

void Sdl_DrawWholeNext() { Frame().wholeNext = true; }

bool Sdl_PresentFrame()
{
    FrameList &f = Frame();
    SdlFrameStats &st = f.stats;
    st.frames++;
    std::vector<Rect> rects;
    bool swap = true;
    if (f.drawn > 0 || f.wholeNext || !Damage(rects)) {
        DrawPending(f.drawn);
        st.whole++;
    } else if (rects.empty()) {
        swap = false;   // the screen shows this very frame already
        st.skipped++;
    } else {
        DrawDamage(rects);
        st.partial++;
        for (const Rect &r : rects)
            st.pixels += (uint64_t)r.area();
    }
    f.shown.swap(f.pending);
    f.pending.clear();
    f.drawn = 0;
    f.shownStart = f.pendingStart;
    f.pendingStart = f.current;
    f.wholeNext = false;
    return swap;
}

void Sdl_AllowPartialFrames(bool allowed)
{
    Frame().partialAllowed = allowed;
    Frame().wholeNext = true;
}

SdlFrameStats Sdl_FrameStats() { return Frame().stats; }
