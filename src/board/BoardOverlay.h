#pragma once

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class TPICSD33;

// A layer over a board: frames round cells, and for a while the candidates
// of open cells drawn as another position has them. It covers the board,
// takes no input and never writes the cells, so the board plays on below
// and looks exactly as before once the layer hides.
class BoardOverlay : public QWidget {
public:
    // A solid line round a cell, `inset` pixels inside its edge.
    struct Band {
        int inset;
        int width;
        QColor colour;
        bool operator==(const Band &) const = default;
    };
    struct Frame {
        int cell; // 0..80, row by row
        std::vector<Band> bands;
        bool operator==(const Frame &) const = default;
    };
    // Bit d for digit d; a cell without a value is left as the board draws it.
    using Candidates = std::array<std::optional<std::uint16_t>, 81>;

    BoardOverlay(TPICSD33 *board, const QString &name);

    const std::vector<Frame> &frames() const { return frames_; }
    void setFrames(std::vector<Frame> frames);
    const Candidates &candidates() const { return candidates_; }
    void setCandidates(const Candidates &candidates);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Refreshes what depends on the board's colours at the moment of drawing.
    virtual void beforePaint() {}
    void setFramesQuietly(std::vector<Frame> frames) { frames_ = std::move(frames); }

    TPICSD33 *board_;

private:
    void paintCandidates(QPainter &p, int cell, std::uint16_t digits) const;

    std::vector<Frame> frames_;
    Candidates candidates_{};
};
