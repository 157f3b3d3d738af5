#pragma once

#include "board/CellData.h"
#include "board/mousepanel.h"

#include <array>

// One square of a board: a panel that draws the big digit as its caption
// and owns nine small candidate marks, 1 2 3 / 4 5 6 / 7 8 9.
class TPicNode : public Tmousepanel, public CellData {
    Q_OBJECT
public:
    explicit TPicNode(QWidget *parent = nullptr);

    // marks[1]..marks[9]; marks[0] is unused so that mark k shows digit k.
    std::array<Tmousepanel *, 10> marks{};

    // These act on the nine marks only.
    void setcolor(TColor c);
    void setFontSize(int size);
    void setFontColor(TColor c);
    void Hide();
    void Show();
    // Mark k visible exactly when digit k occurs in value.
    void showhxs();

    // The cell a mark belongs to, or the cell itself; null for anything else.
    static TPicNode *cellOf(QObject *control);
};
