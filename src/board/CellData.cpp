#include "board/CellData.h"

OwnedGrid::OwnedGrid()
{
    for (int i = 0; i < 81; ++i) {
        data_[static_cast<size_t>(i)].row = i / 9 + 1;
        data_[static_cast<size_t>(i)].col = i % 9 + 1;
    }
    link();
}

OwnedGrid::OwnedGrid(const OwnedGrid &other) : data_(other.data_) { link(); }

OwnedGrid &OwnedGrid::operator=(const OwnedGrid &other)
{
    data_ = other.data_;
    link();
    return *this;
}

void OwnedGrid::link()
{
    for (int i = 0; i < 81; ++i)
        grid_.set(i, &data_[static_cast<size_t>(i)]);
}
