#include "board/PicNode.h"

#include "board/BoardPlaces.h"

TPicNode::TPicNode(QWidget *parent) : Tmousepanel(parent)
{
    resize(boardplaces::kCellSize, boardplaces::kCellSize);
    setCaption(QStringLiteral(" "));
    static const int edge[3] = {2, 16, 30};
    for (int k = 1; k <= 9; ++k) {
        auto *mark = new Tmousepanel(this);
        mark->setGeometry(edge[(k - 1) % 3], edge[(k - 1) / 3], 13, 13);
        mark->setRaisedBevel(false);
        mark->setFontColorValue(clr::Maroon);
        mark->setCaption(QString::number(k));
        mark->setObjectName(QStringLiteral("mark%1").arg(k));
        marks[static_cast<size_t>(k)] = mark;
    }
}

void TPicNode::setcolor(TColor c)
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setPanelColor(c);
}

void TPicNode::setFontSize(int size)
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setFontSizePt(size);
}

void TPicNode::setFontColor(TColor c)
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setFontColorValue(c);
}

void TPicNode::Hide()
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setVisible(false);
}

void TPicNode::Show()
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setVisible(true);
}

void TPicNode::showhxs()
{
    for (int k = 1; k <= 9; ++k)
        marks[static_cast<size_t>(k)]->setVisible(value.contains(QChar(u'0' + k)));
}

TPicNode *TPicNode::cellOf(QObject *control)
{
    if (auto *cell = qobject_cast<TPicNode *>(control))
        return cell;
    return control ? qobject_cast<TPicNode *>(control->parent()) : nullptr;
}
