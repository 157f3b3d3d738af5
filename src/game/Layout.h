#pragma once

#include <string_view>

// Where every control of the main window sits: the one home of these
// numbers. The window builds itself from them, its tests compare against
// them, and `sudoku-tool layout` prints them for the end-to-end scripts.
namespace layout {

// Client area of the main window (below its menu bar).
inline constexpr int kClientWidth = 532;
inline constexpr int kClientHeight = 509;

struct Place {
    std::string_view name;
    // The container the place counts from; empty for the client area.
    std::string_view parent;
    int x, y, width, height;
};

// Containers with a border count their children's places from inside it.
inline constexpr int kPanelBorder = 1;

inline constexpr Place kPlaces[] = {
    {"ToolBar1", "", 0, 0, 532, 35},
    {"ToolButton12", "ToolBar1", 8, 2, 23, 22},
    {"ToolButton4", "ToolBar1", 31, 2, 23, 22},
    {"ToolButton11", "ToolBar1", 62, 2, 23, 22},
    {"ToolButton5", "ToolBar1", 85, 2, 23, 22},
    {"ToolButton6", "ToolBar1", 108, 2, 23, 22},
    {"ToolButton7", "ToolBar1", 131, 2, 23, 22},
    {"ToolButton8", "ToolBar1", 154, 2, 23, 22},
    {"TimeLabel1", "ToolBar1", 185, 2, 80, 22},
    {"tbresign", "ToolBar1", 273, 2, 23, 22},
    {"tbsolve", "ToolBar1", 296, 2, 23, 22},
    {"ToolButton14", "ToolBar1", 319, 2, 23, 22},
    {"ndtxt", "ToolBar1", 346, 2, 184, 22},
    {"Panel1", "", 0, 29, 429, 428},
    {"sd991", "Panel1", 3, 2, 422, 422},
    {"GroupBox1", "", 433, 33, 94, 164},
    // The radio buttons end 4 pixels short of the box's right edge, so no
    // caption touches its frame.
    {"rb_none", "GroupBox1", 8, 24, 82, 17},
    {"rb_all", "GroupBox1", 8, 45, 82, 17},
    {"rb_one", "GroupBox1", 8, 67, 82, 17},
    {"disnote1", "GroupBox1", 7, 89, 23, 22},
    {"disnote2", "GroupBox1", 33, 89, 23, 22},
    {"disnote3", "GroupBox1", 60, 89, 23, 22},
    {"disnote4", "GroupBox1", 7, 113, 23, 22},
    {"disnote5", "GroupBox1", 33, 113, 23, 22},
    {"disnote6", "GroupBox1", 60, 113, 23, 22},
    {"disnote7", "GroupBox1", 7, 137, 23, 22},
    {"disnote8", "GroupBox1", 33, 137, 23, 22},
    {"disnote9", "GroupBox1", 60, 137, 23, 22},
    {"ProgressBar1", "", 438, 386, 7, 70},
    {"ProgressBar2", "", 447, 386, 7, 70},
    {"ProgressBar3", "", 456, 386, 7, 70},
    {"ProgressBar4", "", 465, 386, 7, 70},
    {"ProgressBar5", "", 474, 386, 7, 70},
    {"ProgressBar6", "", 483, 386, 7, 70},
    {"ProgressBar7", "", 492, 386, 7, 70},
    {"ProgressBar8", "", 501, 386, 7, 70},
    {"ProgressBar9", "", 510, 386, 7, 70},
    {"ToolBar2", "", 4, 460, 347, 26},
    {"cbautoupdate", "ToolBar2", 2, 2, 150, 22},
    {"ToolButton9", "ToolBar2", 154, 2, 23, 22},
    {"tbfirst", "ToolBar2", 185, 2, 23, 22},
    {"tbback", "ToolBar2", 208, 2, 23, 22},
    {"tbnext", "ToolBar2", 231, 2, 23, 22},
    {"tblast", "ToolBar2", 254, 2, 23, 22},
    {"WC_Label", "", 360, 465, 105, 19},
    {"sb1", "", 0, kClientHeight - 19, kClientWidth, 19},
};

// Tool-bar separators: the x of each gap of 8 pixels, in its bar.
struct Gap {
    std::string_view bar;
    int x;
};
inline constexpr Gap kSeparators[] = {{"ToolBar1", 54}, {"ToolBar1", 177}, {"ToolBar1", 265}, {"ToolBar2", 177}};

constexpr const Place *find(std::string_view name)
{
    for (const Place &p : kPlaces)
        if (p.name == name)
            return &p;
    return nullptr;
}

// The place in client coordinates: parents' offsets added, and a bordered
// panel's border.
constexpr Place inClient(const Place &p)
{
    Place out = p;
    out.parent = {};
    for (const Place *up = find(p.parent); up; up = find(up->parent)) {
        out.x += up->x + (up->name == "Panel1" ? kPanelBorder : 0);
        out.y += up->y + (up->name == "Panel1" ? kPanelBorder : 0);
    }
    return out;
}

} // namespace layout
